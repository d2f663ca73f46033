#pragma once
// The marks of the project as the main screen pages through them: finding a label, offering and
// adding a new mark with the factory defaults, deleting, moving to the first, previous, next and
// last mark, and the label proposed for the next mark. Works on the project state; its questions
// and messages are returned for the caller to show (ProjectCommands.h).
#include "ProjectState.h"

// A question or message of the mark list, with the style and title of its box.
struct MarkListMessage {
    QString text;
    int style;
    QString title;
};
// Whether mark `label`, not found, is to be made (Yes, No).
MarkListMessage newMarkQuestion(const QString &label);
// Whether the mark shown as `label` is to go (Yes, No).
MarkListMessage deleteMarkQuestion(const QString &label);
// "Kan geen opvolgend merk aanmaken !": the labels after the one given have run out.
MarkListMessage noNextMarkMessage();

class MarkList {
public:
    explicit MarkList(ProjectState &state) : s(state) {}

    // The first mark in use labelled `label`; -1 when there is none.
    int find(const QString &label) const;
    // The current mark's label; "" without marks.
    QString currentLabel() const;
    // The first label after `label`, by NextMarkName, that no mark in use carries: a second mark
    // of one label could not be told apart in the send check or the overview. "" when the labels
    // run out (noNextMarkMessage).
    QString nextFreeName(const QString &label) const;

    // The answer to newMarkQuestion(label). Yes: addNew(label) and true. No (or the list is full):
    // the last mark becomes the current one, and false.
    bool answerNew(bool make, const QString &label);
    // Appends a mark with the factory defaults behind the marks in use and makes it the current
    // one; its shape is still to come and the project is changed.
    void addNew(const QString &label);

    // Deletes the current mark; the last mark's successor (or predecessor, at the end) becomes
    // current. Deleting the only mark leaves no marks.
    void deleteCurrent();

    enum class Move { First, Previous, Next, Last };
    // Moves the current mark; at either end it stays.
    void move(Move to);

private:
    ProjectState &s;
};

// The label proposed after `label`: "" gives "A", "9" gives "10", "Z" gives "AA"; otherwise the last
// character steps to the next character code, "9" and "Z" carrying to the left as "0" and "A"
// ("19" -> "20", "AZ" -> "BA"). A label whose carry runs off its left end ("99", "ZZ", "9Z"), or a
// character that has no next one, gets "" (noNextMarkMessage).
QString NextMarkName(const QString &label);
