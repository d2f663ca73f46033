// The window base class on the form-level stack, with Qt's own activations, and its F1 and Esc.
#include "TestSupport.h"
#include "app/ProjectFormLevels.h"
#include "forms/Form.h"
#include "forms/RecordingWindowOpener.h"
#include "model/ProjectState.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QtTest>

namespace {
QStringList events; // "load name", "activate name", "unload name", in order

class TestForm : public Form {
public:
    TestForm(const QString &name, QWidget *parent = nullptr, Kind kind = Kind::Window, bool registers = true)
        : Form(parent, kind), registers(registers)
    {
        setObjectName(name);
        resize(200, 100);
    }
    bool cancelUnload = false;
    bool releaseInUnload = false;
    int activations = 0;
    std::optional<HelpTopic> topic;
    bool escape = false;

protected:
    std::optional<HelpTopic> helpTopic() const override { return topic; }
    bool unloadsOnEscape() const override { return escape; }

    void Form_Load() override
    {
        events << "load " + objectName();
        if (registers) RegisterFormLevel();
    }
    void Form_Activate() override
    {
        ++activations;
        events << "activate " + objectName();
    }
    void Form_Unload(bool &cancel) override
    {
        events << "unload " + objectName();
        cancel = cancelUnload;
        if (!cancel && releaseInUnload) ReleaseFormLevel();
    }

private:
    bool registers;
};

TestForm *open(const QString &name, QWidget *parent = nullptr, Form::Kind kind = Form::Kind::Window)
{
    auto *f = new TestForm(name, parent, kind);
    f->load();
    f->show();
    return f;
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        events.clear();
        project = std::make_unique<ScopedProject>();
    }
    void cleanup()
    {
        QList<QPointer<Form>> left;
        for (Form *f : Form::loadedForms()) left << f;
        for (const QPointer<Form> &f : left)
            if (f && !f->parentWidget()) delete f.data();
        settle();
        project.reset();
    }

    void activatingTheSecondOfFourClosesTheTwoAboveIt()
    {
        QPointer<TestForm> main = open("main"), shape = open("shape"), drawing = open("drawing"), options = open("options");
        QCOMPARE(main->levelTag(), QString("0"));
        QCOMPARE(options->levelTag(), QString("3"));
        QCOMPARE(Project().FormLevel, int16(4));
        QApplication::setActiveWindow(options);
        events.clear();

        QApplication::setActiveWindow(shape);
        QCOMPARE(events, (QStringList{"unload options", "unload drawing", "activate shape"}));
        QCOMPARE(Project().FormLevel, int16(2));
        QCOMPARE(Form::loadedForms(), (QList<Form *>{main, shape}));
        settle();
        QVERIFY(!drawing && !options); // unload deletes the window
    }

    void withoutAStackWindowsTakeNoLevelAndGiveNoneBack()
    {
        QPointer<TestForm> first = open("first");
        QCOMPARE(Project().FormLevel, int16(1));
        // As in the installer, which installs no stack.
        FormLevelStack *installed = setFormLevelStack(nullptr);
        QPointer<TestForm> main = open("main"), shape = open("shape");
        QCOMPARE(main->levelTag(), QString());
        QCOMPARE(shape->levelTag(), QString());
        QApplication::setActiveWindow(shape);
        QApplication::setActiveWindow(main);
        QVERIFY(shape->isLoaded()); // neither is above the other
        setFormLevelStack(installed);
        QVERIFY(shape->unload());
        QVERIFY(main->unload());
        QCOMPARE(Project().FormLevel, int16(1)); // the first window's level stays taken
    }

    void dialogsOtherProgramsAndTheSameWindowAgainCloseNothing()
    {
        QPointer<TestForm> main = open("main"), shape = open("shape");
        QApplication::setActiveWindow(shape);
        QCOMPARE(shape->activations, 1);

        QMessageBox box(QMessageBox::Warning, "FOUTMELDING", "Ongeldige breedte opgegeven !", QMessageBox::Ok, shape);
        box.show();
        QApplication::setActiveWindow(&box);
        box.close();
        QApplication::setActiveWindow(shape); // the box closed: the window below is active again
        QApplication::setActiveWindow(nullptr); // the user works in another program ...
        QApplication::setActiveWindow(shape);   // ... and comes back
        QCOMPARE(shape->activations, 1);
        QVERIFY(main && shape && shape->isLoaded());

        QApplication::setActiveWindow(main);
        QCOMPARE(events.last(), QString("activate main"));
        QVERIFY(!shape->isLoaded());
    }

    void theFrameCountsForNothingAndActivatesTheWindowItHolds()
    {
        auto *frame = new TestForm("frame", nullptr, Form::Kind::Frame, false);
        frame->load();
        QPointer<TestForm> main = open("main", frame, Form::Kind::Hosted);
        frame->show();
        QPointer<TestForm> shape = open("shape", frame); // a window of its own, owned by the frame
        QVERIFY(shape->isWindow());
        QCOMPARE(frame->levelTag(), QString());
        QApplication::setActiveWindow(shape);
        events.clear();

        QApplication::setActiveWindow(frame);
        QCOMPARE(events, (QStringList{"unload shape", "activate main"}));
        QCOMPARE(Form::activeForm(), main.data());
        QCOMPARE(Form::frameWindow(), frame);
    }

    void closingTheTopWindowHandsOverToTheOneBelow()
    {
        // The hand-over lasts a while on the steady clock; stopped, a busy machine cannot end it early.
        setSteadyClockStopped(true);
        auto running = qScopeGuard([] { setSteadyClockStopped(false); });
        QPointer<TestForm> main = open("main"), shape = open("shape"), drawing = open("drawing");
        QApplication::setActiveWindow(drawing);
        QVERIFY(drawing->unload()); // the program closes it, as the ready button does
        QCOMPARE(Form::activeForm(), shape.data());
        // The window system may first activate another of our windows: that is no move of the user's.
        QApplication::setActiveWindow(main);
        QVERIFY(shape->isLoaded());
        advanceSteadyClock(400);
        // The hand-over has brought the one below forward again.
        QTRY_COMPARE(QApplication::activeWindow(), shape.data());
        QApplication::setActiveWindow(main); // later, it is
        QVERIFY(!shape->isLoaded());
    }

    void everyWindowReleasesItsLevelExactlyOnce()
    {
        TestForm *main = open("main");
        TestForm *a = open("a");
        TestForm *b = open("b");
        b->releaseInUnload = true; // releases itself; the base must not release again
        QCOMPARE(Project().FormLevel, int16(3));
        QVERIFY(b->unload());
        QCOMPARE(Project().FormLevel, int16(2));
        QVERIFY(b->unload()); // already gone: nothing happens twice
        QCOMPARE(Project().FormLevel, int16(2));

        a->cancelUnload = true;
        a->close(); // the title bar's close runs the unload, which refuses
        QVERIFY(a->isLoaded() && a->isVisible());
        QCOMPARE(Project().FormLevel, int16(2));
        a->cancelUnload = false;
        a->close();
        QVERIFY(!a->isLoaded());
        QCOMPARE(Project().FormLevel, int16(1));
        QCOMPARE(Form::loadedForms(), (QList<Form *>{main}));
    }

    void endingTheProgramClosesEveryWindowWithoutItsUnloadWork()
    {
        QPointer<TestForm> main = open("main"), shape = open("shape");
        int ended = -1;
        Form::setProgramEndHandler([&](int code) { ended = code; });
        events.clear();
        Form::endProgram(3);
        Form::setProgramEndHandler(nullptr);
        QCOMPARE(ended, 3);
        QVERIFY(events.isEmpty());
        QVERIFY(Form::loadedForms().isEmpty());
        QCOMPARE(Project().FormLevel, int16(0));
        settle();
        QVERIFY(!main && !shape);
    }

    void helpAndEscapeOnlyWhereTheWindowStatesThemAndOnlyOnce()
    {
        RecordingWindowOpener opener;
        QPointer<TestForm> shape = open("shape"), plain = open("plain");
        shape->topic = HelpTopic::Shape;
        shape->escape = true;
        auto *shapeField = new QLineEdit(shape);
        auto *plainField = new QLineEdit(plain);

        QTest::keyClick(plainField, Qt::Key_F1);
        QTest::keyClick(plainField, Qt::Key_Escape);
        QVERIFY(opener.help.isEmpty());
        QVERIFY(plain->isLoaded());

        QTest::keyClick(shapeField, Qt::Key_F1); // a key the field does not take goes to its window
        QCOMPARE(opener.helpTopics(), QList<HelpTopic>{HelpTopic::Shape});
        QCOMPARE(opener.help[0].from.data(), shape.data());
        QVERIFY(opener.opened.isEmpty());
        QTest::keyClick(shapeField, Qt::Key_Escape);
        QVERIFY(!shape->isLoaded());
        QVERIFY(plain->isLoaded());

        // A hosted window that states nothing leaves both keys to the window that holds it.
        QPointer<TestForm> outer = open("outer");
        outer->topic = HelpTopic::Main;
        outer->escape = true;
        QPointer<TestForm> inner = open("inner", outer, Form::Kind::Hosted);
        opener.clear();
        QTest::keyClick(inner, Qt::Key_F1);
        QCOMPARE(opener.helpTopics(), QList<HelpTopic>{HelpTopic::Main});
        QCOMPARE(opener.help[0].from.data(), outer.data());
        QTest::keyClick(inner, Qt::Key_Escape);
        QVERIFY(!outer->isLoaded());
    }

private:
    ProjectFormLevels levels;
    std::unique_ptr<ScopedProject> project;
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
