// The balloon and the message and input boxes on screen: shape, place, closing, answers.
#include "TestSupport.h"
#include "mainwindow/IconStrip.h"
#include "mainwindow/msgFrm.h"
#include "model/ProjectState.h"
#include "platform/Colours.h"
#include "platform/Screen.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
using namespace Balloon;

const quint32 PaleYellow = RGB(255, 255, 204);

// A screen whose pixels are known: grey steps across, so every shadow pixel can be checked.
class KnownScreen final : public ScreenPixelSource {
public:
    KnownScreen() : previous(setScreenPixelSource(this)) {}
    ~KnownScreen() override { setScreenPixelSource(previous); }
    static QRgb at(int x, int y) { return qRgb((x * 3) % 256, (y * 5) % 256, 200); }
    QImage grab(const QRect &area) override
    {
        asked << area;
        QImage image(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) image.setPixel(x, y, at(area.x() + x, area.y() + y));
        return image;
    }
    QList<QRect> asked;

private:
    ScreenPixelSource *previous;
};

// The known screen as a real one shows it: an open message window covers it inside its shape.
class LiveScreen final : public ScreenPixelSource {
public:
    LiveScreen() : previous(setScreenPixelSource(this)) {}
    ~LiveScreen() override { setScreenPixelSource(previous); }
    QImage grab(const QRect &area) override
    {
        QImage image(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) image.setPixel(x, y, KnownScreen::at(area.x() + x, area.y() + y));
        if (msgFrm *m = msgFrm::open(); m && m->isVisible()) {
            QPainter p(&image);
            p.translate(m->pos() - area.topLeft());
            p.setClipRegion(m->shape());
            p.drawImage(0, 0, m->surface());
        }
        return image;
    }

private:
    ScreenPixelSource *previous;
};

// A screen that gives no pixels, as under Wayland.
class BlindScreen final : public ScreenPixelSource {
public:
    BlindScreen() : previous(setScreenPixelSource(this)) {}
    ~BlindScreen() override { setScreenPixelSource(previous); }
    QImage grab(const QRect &) override { return {}; }

private:
    ScreenPixelSource *previous;
};

void hover(QWidget *w, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString balloon(msgFrm *m, const QString &text, double x, double y, int nTime = 20, const QString &title = "Merk")
{
    return m->MsgAuto_box(text, 0, title, nTime, false, PaleYellow, x, y, 60);
}

// The window as it shows on the screen: the backdrop, and over it the window inside its shape.
void saveComposedShot(QWidget *backdrop, msgFrm *m, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZANTOF_SHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    const QRect area = m->geometry().adjusted(-20, -20, 20, 20);
    QImage shot(area.size(), QImage::Format_RGB32);
    shot.fill(QColor(90, 110, 140));
    QPainter p(&shot);
    if (backdrop) p.drawPixmap(QPoint(0, 0), backdrop->grab(area));
    p.translate(m->pos() - area.topLeft());
    p.setClipRegion(m->shape());
    p.drawPixmap(0, 0, m->grab());
    p.end();
    shot.save(QDir(dir).filePath(name + ".png"));
}

// A full-screen window of text to show the balloons over.
QWidget *makeBackdrop()
{
    auto *w = new QWidget(nullptr, Qt::FramelessWindowHint);
    w->setGeometry(QRect(QPoint(0, 0), screenSize()));
    w->setAutoFillBackground(true);
    auto *l = new QLabel(w);
    QString text;
    for (int i = 0; i < 40; ++i) text += "Kozijnen tekenen, merk A, B, C: breedte 1200 mm, hoogte 2400 mm. ";
    l->setText(text);
    l->setWordWrap(true);
    l->setGeometry(w->rect().adjusted(10, 10, -10, -10));
    w->show();
    return w;
}
}

class TestMsgFrm : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        if (msgFrm *m = msgFrm::open()) m->close();
        settle();
        QVERIFY(!msgFrm::open());
    }

    void balloonShapeAndPlace()
    {
        KnownScreen screen;
        msgFrm *m = msgFrm::window();
        QCOMPARE(balloon(m, "Hier geeft u het merk op.", 200, 150), QString());
        QVERIFY(m->isVisible());
        QCOMPARE(m->width(), 359);
        QCOMPARE(m->tailCorner(), UpperLeft);
        QCOMPARE(m->pos(), QPoint(158, 150));
        QCOMPARE(m->BoxColour, DefaultColour);
        QCOMPARE(m->tag, QString("60"));
        QVERIFY(m->F1[2]->isVisible() && !m->F1[0]->isVisible() && !m->F1[1]->isVisible());
        QCOMPARE(m->F1[2]->geometry(), QRect(8, 30, 329, m->F1[2]->height()));
        QCOMPARE(m->height(), 30 + m->F1[2]->height() + 40);
        // No icon: the title moves to the message's left edge.
        QVERIFY(!m->aPic->isVisible());
        QCOMPARE(m->aTitle->x(), m->aMsg->x());
        QCOMPARE(m->command1->geometry(), QRect((329 * 15 - 240 - 50) / 15, m->aPic->y(), 16, 16));
        QVERIFY(m->Timer1->isActive());
        QCOMPARE(m->Timer1->interval(), 20000);

        const int SW = m->width(), SH = m->height();
        const QRegion expected = roundRectRegion(0, 20, SW - 14, SH - 32, 20, 20)
                                 | roundRectRegion(11, 29, SW - 5, SH - 23, 45, 35)
                                 | QRegion(tailFor(UpperLeft, SW, SH).outer, Qt::OddEvenFill);
        QCOMPARE(m->shape(), expected);
        QCOMPARE(m->mask(), expected);
        QCOMPARE(screen.asked, QList<QRect>{QRect(158, 150, SW, SH)});
        // The shadow band darkens what the screen showed under it.
        const QRgb under = KnownScreen::at(158 + 100, 150 + SH - 24);
        QCOMPARE(m->surface().pixel(100, SH - 24), BlendColours(under, 0, shadowWeight(1), 60));
        // The close image on the balloon's colour.
        QCOMPARE(m->command1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 IconStrip::cellPicture(9, 16, DefaultColour));

        // A longer text wraps and makes the same window taller, never wider; it moves and rearms.
        const int shortHeight = m->height();
        QString longText;
        for (int i = 0; i < 12; ++i) longText += "Hier geeft u de naam van uw mailserver op. ";
        balloon(m, longText, 600, 450, 5);
        QCOMPARE(msgFrm::open(), m);
        QVERIFY(m->height() > shortHeight + 30);
        QCOMPARE(m->width(), 359);
        QCOMPARE(m->tailCorner(), LowerRight);
        QCOMPARE(m->pos(), QPoint(600 + 42 - 359, 450 - m->height()));
        QCOMPARE(m->Timer1->interval(), 5000);
        QVERIFY(m->aMsg->geometry().bottom() < m->F1[2]->height());
    }

    // A balloon still open is taken again for the next one: its shadow at the new place is made of what
    // the screen shows there, not of the balloon that stood over part of it a moment ago.
    void reusedBalloonTakesTheScreenAtItsNewPlace()
    {
        LiveScreen screen;
        msgFrm *m = msgFrm::window();
        balloon(m, "Hier geeft u de naam van uw mailserver (smtp) op voor de uitgaande mail.", 200, 150, 20,
                "Mail server (smtp)");
        QVERIFY(m->isVisible());
        const QRegion first = m->shape();
        struct Place { QPoint point; QPoint topLeft; Corner corner; };
        // Down and to the right over the first one, then into the lower right quarter.
        for (const Place &place : {Place{{230, 190}, {188, 190}, UpperLeft}, Place{{600, 450}, {283, 0}, LowerRight}}) {
            balloon(m, "Met deze knop kunt u de tekeningen verzenden naar de timmerfabriek.", place.point.x(),
                    place.point.y(), 20, "Verzenden");
            QCOMPARE(msgFrm::open(), m);
            QVERIFY(m->isVisible());
            const int SW = m->width(), SH = m->height();
            const QPoint at(place.topLeft.x(), place.corner == LowerRight ? place.point.y() - SH : place.topLeft.y());
            QCOMPARE(m->pos(), at);
            QCOMPARE(m->tailCorner(), place.corner);
            QCOMPARE(m->shape(), roundRectRegion(0, 20, SW - 14, SH - 32, 20, 20)
                                     | roundRectRegion(11, 29, SW - 5, SH - 23, 45, 35)
                                     | QRegion(tailFor(place.corner, SW, SH).outer, Qt::OddEvenFill));
            // Every pixel of the band below and to the right of the body that the tail leaves.
            const QRegion body = roundRectRegion(0, 20, SW - 14, SH - 32, 20, 20)
                                 | QRegion(tailFor(place.corner, SW, SH).outer, Qt::OddEvenFill);
            for (int i = 17; i >= 0; --i) {
                const int y = SH - 23 - i;
                for (int x = i + 5; x <= SW - 5 - i; ++x)
                    if (!body.contains(QPoint(x, y)))
                        QCOMPARE(m->surface().pixel(x, y),
                                 BlendColours(KnownScreen::at(at.x() + x, at.y() + y), 0, shadowWeight(i), 60));
                const int x = SW - 5 - i;
                for (int yy = i + 23; yy <= SH - 23 - i; ++yy)
                    if (!body.contains(QPoint(x, yy)))
                        QCOMPARE(m->surface().pixel(x, yy),
                                 BlendColours(KnownScreen::at(at.x() + x, at.y() + yy), 0, shadowWeight(i), 60));
            }
        }
        QVERIFY(m->shape() != first);
        saveComposedShot(nullptr, m, "balloon-reused");
    }

    void mouseAndCentre()
    {
        BlindScreen screen;
        QCursor::setPos(600, 150);
        msgFrm *m = msgFrm::window();
        m->MsgAuto_box("tekst", 0x40, "Titel", 0, false, 0, 0, 400, 60); // X 0: the mouse for both
        QCOMPARE(m->tailCorner(), UpperRight);
        QCOMPARE(m->pos(), QPoint(600 + 42 - 359, 150));
        QCOMPARE(m->BoxColour, DefaultColour); // colour 0
        QVERIFY(!m->aPic->isHidden()); // information icon
        QCOMPARE(m->aPic->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 IconStrip::cellPicture(3, 16, DefaultColour));
        QVERIFY(!m->Timer1->isActive()); // nTime 0: never by itself
        // No pixels from the platform: the shadow darkens the window background.
        QCOMPARE(m->surface().pixel(100, m->height() - 23),
                 BlendColours(WindowBackground.rgb(), 0, shadowWeight(0), 60));

        m->MsgAuto_box("tekst", 0, "Titel", 0, true, RGB(200, 230, 255), 0, 0, 60);
        QCOMPARE(m->tailCorner(), NoCorner);
        const QSize s = screenSize();
        QCOMPARE(m->pos(), QPoint((s.width() - 359) / 2, (s.height() - m->height()) / 2));
        QCOMPARE(m->BoxColour, QColor(200, 230, 255));
        QCOMPARE(m->F1[2]->palette().color(QPalette::Window), QColor(200, 230, 255));
    }

    void closeImageAndTimer()
    {
        ScopedProject project;
        project.state().FormLevel = 3;
        // A field with the focus keeps it: the balloon is no window of the stack and takes no focus.
        QWidget host;
        auto *field = new QLineEdit(&host);
        host.show();
        QApplication::setActiveWindow(&host);
        field->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&host));

        msgFrm *m = msgFrm::window();
        balloon(m, "Hier geeft u uw adres op.", 100, 100);
        QVERIFY(QTest::qWaitForWindowExposed(m));
        QCoreApplication::processEvents();
        QVERIFY(field->hasFocus());
        QCOMPARE(QApplication::activeWindow(), &host);
        QCOMPARE(project.state().FormLevel, 3);

        // Over the close image it lights up; back over the balloon it is plain again.
        hover(m->command1, QPoint(8, 8));
        QCOMPARE(m->command1->property("tag").toString(), QString("1"));
        QCOMPARE(m->command1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 IconStrip::cellPicture(10, 16, DefaultColour));
        hover(m->F1[2], QPoint(100, 5));
        QCOMPARE(m->command1->property("tag").toString(), QString());
        QTest::mousePress(m->command1, Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(m->command1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 IconStrip::cellPicture(11, 16, DefaultColour));
        QTest::mouseRelease(m->command1, Qt::LeftButton, {}, QPoint(8, 8));
        QTRY_VERIFY(!msgFrm::open());

        // A short timer closes it by itself; nTime 0 never does.
        m = msgFrm::window();
        balloon(m, "kort", 100, 100, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!msgFrm::open(), 3000);
        m = msgFrm::window();
        balloon(m, "blijft", 100, 100, 0);
        QTest::qWait(1300);
        QCOMPARE(msgFrm::open(), m);
        QVERIFY(m->isVisible());
        QVERIFY(field->hasFocus());
    }

    void messageBoxAnswers()
    {
        BlindScreen screen;
        struct Case { int flags; QString check; bool tick; int press; int answer; };
        for (const Case &c : {Case{4, "", false, 1, 7}, Case{4, "Niet meer vragen", true, 1, 107},
                              Case{4, "Niet meer vragen", false, 0, 6}, Case{2 | 0x30, "", false, 2, 5}}) {
            msgFrm *m = msgFrm::window();
            QStringList shown;
            connect(m, &msgFrm::boxShown, m, [&] {
                for (QPushButton *b : m->cmd1)
                    if (b->isVisible()) shown << b->text();
                if (c.tick) m->Check1->setChecked(true);
                m->cmd1[c.press]->click();
            });
            QCOMPARE(m->Msg_Box("Wilt u doorgaan ?", c.flags, "Vraag", true, c.check), c.answer);
            QCOMPARE(shown, c.flags == 4 ? QStringList({"Yes", "No"}) : QStringList({"Abort", "Retry", "Ignore"}));
            settle();
            QVERIFY(!msgFrm::open()); // closed after every answer: the next box starts afresh
        }
    }

    void messageBoxButtonsFocusAndShape()
    {
        KnownScreen screen;
        msgFrm *m = nullptr;
        QWidget *focused = nullptr;
        QList<QRect> places;
        QList<bool> visible;
        int height = 0;
        auto answerWith = [&](int button) {
            m = msgFrm::window();
            places.clear();
            visible.clear();
            connect(m, &msgFrm::boxShown, m, [&, button] {
                focused = m->focusWidget();
                for (QPushButton *b : m->cmd1) {
                    places << b->geometry();
                    visible << b->isVisible();
                }
                height = m->height();
                m->cmd1[button]->click();
            });
        };
        // Set 4 with the second button as default, a check box and the question icon, pointing at (200, 150).
        answerWith(1);
        QCOMPARE(m->Msg_Box("Wilt u de vorm van het kozijn wijzigen ?\r\nDe vakvullingen gaan verloren.",
                            4 | 0x20 | 0x100, "Zandrel tofmaar", false, "Niet meer vragen", "", "", "", 0, 200, 150, 60),
                 7);
        QVERIFY(focused && focused->objectName() == "cmd1_1");
        QCOMPARE(visible, (QList<bool>{true, true, false}));
        QCOMPARE(places[0].x(), 1045 / 15);
        QCOMPARE(places[1].x(), 2690 / 15);
        QVERIFY(places[1].bottom() < height - 30 - 8);
        settle();

        // Set 6 with only the second caption: one button, at two thirds, answering 2; the default
        // first button is not shown, so the focus goes to the one that is.
        answerWith(1);
        QCOMPARE(m->Msg_Box("Tekst", 6, "Titel", true, "", "", "Later", ""), 2);
        QCOMPARE(visible, (QList<bool>{false, true, false}));
        QCOMPARE(places[1].x(), 2690 / 15);
        QVERIFY(focused && focused->objectName() == "cmd1_1");
        settle();
    }

    void inputBox()
    {
        BlindScreen screen;
        msgFrm *m = msgFrm::window();
        int step = 0;
        bool stayedOnEmpty = false;
        connect(m, &msgFrm::boxShown, m, [&] {
            QCOMPARE(m->focusWidget(), m->iTxt);
            m->iTxt->clear();
            m->iCmd[1]->click(); // OK on an empty text does nothing
            stayedOnEmpty = m->isVisible();
            m->iTxt->setText("typed");
            m->iCmd[0]->click(); // Cancel answers nothing, whatever was typed
        });
        QCOMPARE(m->Input_Box("Geef een naam op", 0x40, "Naam", "voorstel"), QString());
        QVERIFY(stayedOnEmpty);
        settle();

        m = msgFrm::window();
        QString before;
        connect(m, &msgFrm::boxShown, m, [&] {
            before = m->iTxt->text();
            QVERIFY(m->Check2->isVisible());
            QVERIFY(m->Check2->geometry().right() < m->iCmd[0]->x());
            QCOMPARE(m->iCmd[1]->geometry().right(), m->iTxt->geometry().right());
            QCOMPARE(m->iCmd[0]->y(), m->iCmd[1]->y());
            m->Check2->setChecked(true);
            m->iCmd[1]->click();
            ++step;
        });
        QCOMPARE(m->Input_Box("Geef de naam van het project op.", 0x20, "Project", "Nieuwbouw", true, "Onthouden"),
                 QString("Nieuwbouw") + QChar(0xAC));
        QCOMPARE(before, QString("Nieuwbouw"));
        QCOMPARE(step, 1);
    }

    void dragLeavesBodyAndShadowAtTheNewPlace()
    {
        KnownScreen screen;
        msgFrm *m = msgFrm::window();
        QPoint before, after;
        QRegion shapeAfter;
        Corner cornerAfter = UpperLeft;
        connect(m, &msgFrm::boxShown, m, [&] {
            before = m->pos();
            QWidget *panel = m->F1[0];
            QTest::mousePress(m, Qt::LeftButton, {}, QPoint(20, 25));
            QVERIFY(m->shape() == roundRectRegion(0, 20, m->width() - 14, m->height() - 32, 20, 20));
            QMouseEvent move(QEvent::MouseMove, QPointF(60, 85), m->mapToGlobal(QPointF(60, 85)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m, &move);
            QTest::mouseRelease(m, Qt::LeftButton, {}, QPoint(60, 85));
            after = m->pos();
            shapeAfter = m->shape();
            cornerAfter = m->tailCorner();
            Q_UNUSED(panel);
            m->cmd1[0]->click();
        });
        QCOMPARE(m->Msg_Box("Sleep mij", 0, "Titel", false, "", "", "", "", 0, 200, 150, 60), 1);
        QCOMPARE(after, before + QPoint(40, 60));
        QCOMPARE(cornerAfter, NoCorner);
        QVERIFY(!screen.asked.isEmpty());
        QCOMPARE(screen.asked.last().topLeft(), after);
        const int SW = 359;
        QVERIFY(shapeAfter.contains(QPoint(SW - 10, 100))); // the shadow is back
        QVERIFY(!shapeAfter.contains(QPoint(45, 5)));      // the tail is not
    }

    void shots()
    {
        QWidget *backdrop = makeBackdrop();
        QVERIFY(QTest::qWaitForWindowExposed(backdrop));
        const QSize s = screenSize();
        const QList<QPair<QPoint, QString>> corners{{QPoint(s.width() / 4, s.height() / 4), "balloon-upperleft"},
                                                     {QPoint(3 * s.width() / 4, s.height() / 4), "balloon-upperright"},
                                                     {QPoint(3 * s.width() / 4, 3 * s.height() / 4), "balloon-lowerright"},
                                                     {QPoint(s.width() / 4, 3 * s.height() / 4), "balloon-lowerleft"}};
        for (const auto &[point, name] : corners) {
            msgFrm *m = msgFrm::window();
            m->MsgAuto_box("Hier geeft u de naam van uw mailserver (smtp) op voor de uitgaande mail.\r\nZie uw account "
                           "gegevens van uw e-mail software bv. Outlook of raadpleeg uw provider gegevens.",
                           0, "Mail server (smtp)", 20, false, PaleYellow, point.x(), point.y(), 60);
            QVERIFY(QTest::qWaitForWindowExposed(m));
            saveComposedShot(backdrop, m, name);
            m->close();
            settle();
        }

        msgFrm *m = msgFrm::window();
        connect(m, &msgFrm::boxShown, m, [&] {
            saveComposedShot(backdrop, m, "messagebox");
            m->cmd1[0]->click();
        });
        m->Msg_Box("Wilt u de vorm van het kozijn wijzigen ?\r\nDe vakvullingen gaan dan verloren.", 3 | 0x20,
                   "Zandrel tofmaar", false, "Niet meer vragen", "", "", "", 0, s.width() / 4, s.height() / 4, 60);
        settle();
        m = msgFrm::window();
        connect(m, &msgFrm::boxShown, m, [&] {
            saveComposedShot(backdrop, m, "inputbox");
            m->iCmd[1]->click();
        });
        m->Input_Box("Geef de naam van het project op.", 0x40, "Project", "Nieuwbouw 8 woningen", true, "Onthouden");
        settle();
        delete backdrop;
    }
};

QTEST_MAIN(TestMsgFrm)
#include "tst_msgfrm.moc"
