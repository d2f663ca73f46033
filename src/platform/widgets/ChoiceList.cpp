#include "ChoiceList.h"

ChoiceList::ChoiceList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int index) {
        loose.clear();
        setPlaceholderText(QString());
        emit Click(index);
    });
}

void ChoiceList::addEntry(const QString &text)
{
    const int keep = currentIndex();
    const QSignalBlocker block(this);
    addItem(text);
    setCurrentIndex(keep); // a first entry is not selected by being added
}

void ChoiceList::clearEntries()
{
    const QSignalBlocker block(this);
    clear();
    showLoose(QString());
}

bool ChoiceList::setListIndex(int index)
{
    if (index < -1 || index >= count()) return false;
    loose.clear();
    setPlaceholderText(QString());
    setCurrentIndex(index);
    if (index >= 0) emit Click(index);
    return true;
}

QString ChoiceList::text() const { return currentIndex() >= 0 ? currentText() : loose; }

void ChoiceList::setText(const QString &text)
{
    const int found = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) {
        loose.clear();
        setPlaceholderText(QString());
        setCurrentIndex(found);
    } else {
        showLoose(text);
    }
}

void ChoiceList::showLoose(const QString &text)
{
    loose = text;
    setCurrentIndex(-1);
    setPlaceholderText(text);
}
