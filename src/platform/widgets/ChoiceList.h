#pragma once
// A drop-down choice list. Filling it selects nothing; selecting an entry from code notifies Click
// exactly as the user's choice does. Its current text may be one that is not an entry (a value
// read from a file): it is shown, and read back, as it is.
#include <QComboBox>

class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget *parent = nullptr);

    void addEntry(const QString &text);
    void clearEntries();
    int entryCount() const { return count(); }
    QString entry(int index) const { return itemText(index); }

    // -1 when nothing is selected.
    int listIndex() const { return currentIndex(); }
    // Selects the entry (-1: none) and notifies Click for an entry; an index out of range changes nothing
    // and returns false.
    bool setListIndex(int index);

    // The selected entry's text, or the text put in with setText when that is no entry.
    QString text() const;
    // Selects the first entry equal to the text (exact) without a Click; another text is shown as it is.
    void setText(const QString &text);

signals:
    void Click(int index);

private:
    void showLoose(const QString &text);
    QString loose;
};
