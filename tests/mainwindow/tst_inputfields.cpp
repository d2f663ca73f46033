// The numeric and text fields and the choice list, as the windows rely on them.
#include "TestSupport.h"
#include "platform/widgets/ChoiceList.h"
#include "platform/widgets/NumericField.h"
#include "platform/widgets/TextField.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {
// A window with a numeric field, a text field and a plain field after them.
struct Window {
    Window()
    {
        auto *layout = new QVBoxLayout(&widget);
        layout->addWidget(number = new NumericField);
        layout->addWidget(text = new TextField);
        layout->addWidget(other = new QLineEdit);
        widget.show();
        QApplication::setActiveWindow(&widget);
    }
    QWidget widget;
    NumericField *number;
    TextField *text;
    QLineEdit *other;
};

// Types any character, as a keyboard layout or an input method would deliver it.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}
}

class TestInputFields : public QObject {
    Q_OBJECT
private slots:
    void aNumberFieldReadsEmptyAsZeroAndKeepsItsLimits()
    {
        NumericField f;
        QCOMPARE(f.value(), 0);
        QVERIFY(f.isEmpty());
        QSignalSpy changes(&f, &NumericField::Change);
        f.setValue(1200);
        QCOMPARE(f.text(), QString("1200"));
        f.setValue(1200); // the same value again is still a change notification
        QCOMPARE(changes.count(), 2);
        f.setValue(12000);
        QCOMPARE(f.value(), 9999);
        f.setValue(-5);
        QCOMPARE(f.value(), 0);
        f.clearValue();
        QVERIFY(f.isEmpty());
        QCOMPARE(f.value(), 0);
        QCOMPARE(changes.count(), 5);

        f.setValueText(" 68 ");
        QCOMPARE(f.value(), 68);
        f.setValueText("abc");
        QVERIFY(f.isEmpty());
    }

    void typingHoldsAtMostFourDigits()
    {
        Window w;
        w.number->setFocus();
        QTest::keyClicks(w.number, "12345x");
        QCOMPARE(w.number->text(), QString("1234"));
    }

    void aNumberFieldTakesDigitsOnly()
    {
        // typed, shown: a "." or "," would be taken as a group separator by a locale-aware field
        const QList<std::pair<QString, QString>> cases{
            {"12ab-3.5", "1235"}, {"1.5", "15"}, {".", ""}, {"7,0", "70"}, {"-4", "4"}, {"1 2", "12"},
        };
        for (const auto &[typed, shown] : cases) {
            Window w;
            w.number->setFocus();
            QTest::keyClicks(w.number, typed);
            QCOMPARE(w.number->text(), shown);
            QCOMPARE(w.number->refusalNotice(), QString()); // only a text field speaks of characters
        }
    }

    void aFieldWhoseRangeGoesBelowZeroTakesOneLeadingMinus()
    {
        const QList<std::pair<QString, QString>> cases{
            {"-4-5a", "-45"}, {"4-5", "45"}, {"--7", "-7"}, {"-", "-"}, {"+3", "3"}, {"-1234", "-12"},
        };
        for (const auto &[typed, shown] : cases) {
            Window w;
            w.number->setRange(-99, 99);
            w.number->setFocus();
            QTest::keyClicks(w.number, typed);
            QCOMPARE(w.number->text(), shown);
        }
    }

    void aCharacterTheFilesCannotHoldIsRefusedAtTheField()
    {
        Window w;
        w.text->setFocus();
        QTest::keyClicks(w.text, "Za");
        QCOMPARE(w.text->refusalNotice(), QString());

        QApplication::clipboard()->setText(QString::fromUtf8("\u0142\u00f3d\u017a")); // "łódź" pasted
        w.text->paste();
        QCOMPARE(w.text->text(), QString("Za"));
        QVERIFY(w.text->refusalNotice().contains(QString::fromUtf8("\u0142")));

        typeText(w.text, QString::fromUtf8("\u0142")); // typed
        QCOMPARE(w.text->text(), QString("Za"));

        // What Windows-1252 holds is taken as typed: accents, the euro sign, a question mark.
        const QString held = QString::fromUtf8("\u00e9\u20ac\u00eb?");
        typeText(w.text, held);
        QCOMPARE(w.text->text(), "Za" + held);
    }

    void aValueBelowTheMinimumIsRaisedWhenTheFieldIsLeft()
    {
        Window w;
        w.number->setRange(1, 9999);
        w.number->setFocus();
        QTest::keyClicks(w.number, "0");
        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.number->value(), 1);
    }

    void leavingAFieldIsValidatedAndARefusalKeepsTheFocusOnce()
    {
        Window w;
        QStringList seen;
        connect(w.number, &NumericField::Validate, [&](bool &cancel) {
            seen << "validate";
            cancel = w.number->value() < 100;
        });
        connect(w.number, &NumericField::LostFocus, [&] { seen << "lost"; });
        w.number->setFocus();
        QTest::keyClicks(w.number, "50");

        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(seen, QStringList{"validate"});
        QVERIFY(w.number->hasFocus());

        // Leaving again with the same value lets the user go, unchecked: the check never traps the focus.
        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(seen, (QStringList{"validate", "lost"}));
        QVERIFY(w.other->hasFocus());

        // A new value is checked afresh.
        seen.clear();
        w.number->setFocus();
        QTest::keyClicks(w.number, "0"); // 500
        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(seen, (QStringList{"validate", "lost"}));
    }

    void leavingTheWindowIsNotLeavingTheField()
    {
        Window w;
        int checks = 0, lost = 0;
        connect(w.text, &TextField::Validate, [&](bool &) { ++checks; });
        connect(w.text, &TextField::LostFocus, [&] { ++lost; });
        w.text->setFocus();
        QWidget box; // a message box, a dialog, another program
        box.show();
        QApplication::setActiveWindow(&box);
        QApplication::setActiveWindow(&w.widget);
        QCOMPARE(checks, 0);
        QCOMPARE(lost, 0);
        QVERIFY(w.text->hasFocus());
        w.other->setFocus(Qt::MouseFocusReason);
        QCOMPARE(checks, 1);
        QCOMPARE(lost, 1);
    }

    void aClickIsNotified()
    {
        Window w;
        QSignalSpy numberClicks(w.number, &NumericField::Click), textClicks(w.text, &TextField::Click);
        QTest::mouseClick(w.number, Qt::LeftButton);
        QTest::mouseClick(w.text, Qt::LeftButton);
        QCOMPARE(numberClicks.count(), 1);
        QCOMPARE(textClicks.count(), 1);
    }

    void aChoiceListSelectsNothingWhenFilled()
    {
        ChoiceList list;
        QSignalSpy clicks(&list, &ChoiceList::Click);
        for (const char *t : {"Meranti", "Vuren", "Eiken"}) list.addEntry(t);
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(list.text(), QString());
        QCOMPARE(clicks.count(), 0);
    }

    void aSelectionFromCodeRunsTheClickAsTheUsersChoiceDoes()
    {
        ChoiceList list;
        for (const char *t : {"Meranti", "Vuren", "Eiken"}) list.addEntry(t);
        QSignalSpy clicks(&list, &ChoiceList::Click);
        QVERIFY(list.setListIndex(1));
        QVERIFY(list.setListIndex(1));
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.last().first().toInt(), 1);
        QVERIFY(!list.setListIndex(3));
        QCOMPARE(list.listIndex(), 1);
        QVERIFY(list.setListIndex(-1));
        QCOMPARE(clicks.count(), 2);

        list.show();
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(list.text(), QString("Meranti"));
    }

    void aTextThatIsNoEntryIsShownAndReadBack()
    {
        ChoiceList list;
        for (const char *t : {"Meranti", "Vuren"}) list.addEntry(t);
        QSignalSpy clicks(&list, &ChoiceList::Click);
        list.setText("Vuren");
        QCOMPARE(list.listIndex(), 1);
        list.setText("vuren"); // exact comparison: not the entry
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(list.text(), QString("vuren"));
        QCOMPARE(clicks.count(), 0);
        list.setListIndex(0);
        QCOMPARE(list.text(), QString("Meranti"));
    }
};

QTEST_MAIN(TestInputFields)
#include "tst_inputfields.moc"
