// The form-level stack on stand-in windows: levels handed out, windows above closed last-loaded
// first, and the count in the project state kept by every unload.
#include "TestSupport.h"
#include "app/ProjectFormLevels.h"
#include "model/FormLevels.h"

#include <QtTest>
#include <functional>
#include <memory>

namespace {
struct FakeWindow;
struct Program {
    ScopedProject project;
    ProjectState &state = project.state();
    ProjectFormLevels levels; // counts in `state`
    QList<LevelWindow *> loaded;
    QStringList unloads; // names, in the order they were unloaded
    LoadedWindows windows() { return [this] { return loaded; }; }
};

struct FakeWindow final : LevelWindow {
    FakeWindow(Program &p, QString n) : program(p), name(std::move(n)) { program.loaded.append(this); }
    QString levelTag() const override { return tag; }
    void setLevelTag(const QString &t) override { tag = t; }
    void unloadWindow() override
    {
        if (refuse) return;
        program.unloads << name;
        program.loaded.removeAll(this);
        ReleaseFormLevel(program.state);
        if (onUnload) onUnload();
    }
    Program &program;
    QString name;
    QString tag;
    bool refuse = false;
    std::function<void()> onUnload;
};
}

class TestFormLevels : public QObject {
    Q_OBJECT
private slots:
    void levelsAreReadAsTheNumberTheTextBeginsWith_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("level");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("twelve") << "12" << 12.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("text") << "abc" << 0.0;
        QTest::newRow("number then text") << "3x" << 3.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("negative") << "-1" << -1.0;
    }
    void levelsAreReadAsTheNumberTheTextBeginsWith()
    {
        QFETCH(QString, tag);
        QFETCH(double, level);
        QCOMPARE(readFormLevel(tag), level);
    }

    void fourWindowsTakeLevelsAndActivatingTheSecondClosesTheTwoAbove()
    {
        Program p;
        FakeWindow main(p, "main"), shape(p, "shape"), drawing(p, "drawing"), options(p, "options");
        for (FakeWindow *w : {&main, &shape, &drawing, &options}) RegisterFormLevel(p.levels, *w);
        QCOMPARE(main.tag, QString("0"));
        QCOMPARE(shape.tag, QString("1"));
        QCOMPARE(drawing.tag, QString("2"));
        QCOMPARE(options.tag, QString("3"));
        QCOMPARE(p.state.FormLevel, int16(4));

        CloseFormsAbove(shape, p.windows());
        QCOMPARE(p.unloads, (QStringList{"options", "drawing"}));
        QCOMPARE(p.state.FormLevel, int16(2));

        // The next window opened gets the level the closed one had.
        FakeWindow help(p, "help");
        RegisterFormLevel(p.levels, help);
        QCOMPARE(help.tag, QString("2"));
    }

    void theTopWindowAndWindowsWithoutALevelAreNeverClosed()
    {
        Program p;
        FakeWindow frame(p, "frame"); // never registers
        FakeWindow main(p, "main"), shape(p, "shape");
        RegisterFormLevel(p.levels, main);
        RegisterFormLevel(p.levels, shape);
        FakeWindow balloon(p, "balloon"); // never registers either
        CloseFormsAbove(shape, p.windows());
        QVERIFY(p.unloads.isEmpty());
        CloseFormsAbove(main, p.windows());
        QCOMPARE(p.unloads, QStringList{"shape"});
        QCOMPARE(p.loaded.size(), 3);
    }

    void levelsCompareAsNumbersNotText()
    {
        Program p;
        FakeWindow nine(p, "nine"), ten(p, "ten");
        nine.tag = "9";
        ten.tag = "10";
        CloseFormsAbove(ten, p.windows());
        QVERIFY(p.unloads.isEmpty());
        CloseFormsAbove(nine, p.windows());
        QCOMPARE(p.unloads, QStringList{"ten"});
    }

    void aWindowThatStaysDoesNotStopTheWalk()
    {
        Program p;
        FakeWindow main(p, "main"), a(p, "a"), b(p, "b"), c(p, "c");
        for (FakeWindow *w : {&main, &a, &b, &c}) RegisterFormLevel(p.levels, *w);
        b.refuse = true;
        CloseFormsAbove(main, p.windows());
        QCOMPARE(p.unloads, (QStringList{"c", "a"}));
        QCOMPARE(p.loaded, (QList<LevelWindow *>{&main, &b}));
    }

    void aNestedCloseKeepsItsOwnPlaceAndNothingIsUnloadedTwice()
    {
        // Unloading the top window activates the shape window, which closes what is above it in turn.
        Program p;
        FakeWindow main(p, "main"), shape(p, "shape"), drawing(p, "drawing"), options(p, "options");
        for (FakeWindow *w : {&main, &shape, &drawing, &options}) RegisterFormLevel(p.levels, *w);
        options.onUnload = [&] { CloseFormsAbove(shape, p.windows()); };
        CloseFormsAbove(main, p.windows());
        QCOMPARE(p.unloads, (QStringList{"options", "drawing", "shape"}));
        QCOMPARE(p.state.FormLevel, int16(1));
    }
};

QTEST_GUILESS_MAIN(TestFormLevels)
#include "tst_formlevels.moc"
