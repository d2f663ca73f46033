#include "frmAbout.h"

#include "Hyperlink.h"
#include "model/ProjectState.h"
#include "platform/Screen.h"
#include "platform/widgets/Twips.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<frmAbout> theWindow;

const QString ProgramTitle = QStringLiteral("Zandrel Tofmaar");
constexpr int VersionMajor = 2, VersionMinor = 0, VersionRevision = 0;
constexpr int InnerWidth = 4140, InnerHeight = 4995;

// A window frame with two casements and a fanlight under a sky: the program's own picture.
QPixmap aboutPicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(120, 170, 225));
    sky.setColorAt(1, QColor(225, 238, 250));
    p.fillRect(pm.rect(), sky);
    p.fillRect(QRect(0, size.height() - 14, size.width(), 14), QColor(150, 80, 60)); // brick sill line

    const QRect frame(size.width() / 2 - 70, 8, 140, size.height() - 20);
    const QColor wood(245, 245, 240), edge(90, 90, 90), glass(170, 210, 235);
    p.setPen(QPen(edge, 1));
    p.setBrush(wood);
    p.drawRect(frame);
    const QRect inner = frame.adjusted(8, 8, -8, -8);
    const int transom = inner.top() + inner.height() / 4;
    auto pane = [&](const QRect &r) {
        p.setBrush(wood);
        p.drawRect(r);
        const QRect g = r.adjusted(5, 5, -5, -5);
        QLinearGradient shine(g.topLeft(), g.bottomRight());
        shine.setColorAt(0, glass.lighter(125));
        shine.setColorAt(1, glass.darker(110));
        p.setBrush(shine);
        p.drawRect(g);
    };
    pane(QRect(inner.left(), inner.top(), inner.width(), transom - inner.top() - 3));
    const int half = inner.width() / 2;
    pane(QRect(inner.left(), transom + 3, half - 2, inner.bottom() - transom - 3));
    pane(QRect(inner.left() + half + 2, transom + 3, inner.width() - half - 2, inner.bottom() - transom - 3));
    // Handles of the two casements.
    p.setBrush(edge);
    p.drawRect(inner.left() + half - 7, transom + 40, 2, 12);
    p.drawRect(inner.left() + half + 5, transom + 40, 2, 12);
    return pm;
}
}

frmAbout *frmAbout::window()
{
    if (!theWindow) {
        auto *w = new frmAbout(Form::frameWindow());
        theWindow = w;
        if (!w->load()) return nullptr;
    }
    return theWindow;
}

frmAbout::frmAbout(QWidget *owner) : Form(owner)
{
    setObjectName("frmAbout");
    setFixedSize(px(InnerWidth), px(InnerHeight));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    placeTwips(Image1, 120, 120, 3900, 1800);
    Image1->setPixmap(aboutPicture(Image1->size()));

    QFont arial("Arial");
    arial.setPointSizeF(9.75);
    QFont arialBold = arial;
    arialBold.setBold(true);
    Label1 = new QLabel("Voor:", this);
    Label1->setObjectName("Label1");
    Label1->setFont(arialBold);
    placeTwips(Label1, 240, 2100, 3660, 285);
    lblDescription = new QLabel(this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setFont(arial);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(lblDescription, 240, 2400, 3660, 600);

    Hyperlink1 = new Hyperlink(this);
    Hyperlink1->setObjectName("Hyperlink1");
    Hyperlink1->move(px(240), px(3120));
    Hyperlink2 = new Hyperlink(this);
    Hyperlink2->setObjectName("Hyperlink2");
    Hyperlink2->move(px(240), px(3480));

    CmdOK = new QPushButton("O.K.", this);
    CmdOK->setObjectName("CmdOK");
    placeTwips(CmdOK, (InnerWidth - 1200) / 2, 4380, 1200, 375);
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &frmAbout::CmdOK_Click);
}

void frmAbout::Form_Load()
{
    const QPoint place = dialogPlace(screenSize(), size());
    move(x(), place.y());
    move(place.x(), y());
    setWindowTitle(ProgramTitle + " " + QString::number(VersionMajor) + "." + QString::number(VersionMinor) + "."
                   + QString::number(VersionRevision));
    const ProjectState &s = Project();
    lblDescription->setText(s.FactoryName + "\r\n" + "Tel: " + s.FactoryPhone);
    Hyperlink1->Init(s.FactoryWebSite);
    Hyperlink2->Init(s.FactoryEMail);
    RegisterFormLevel();
}

void frmAbout::CmdOK_Click() { unload(); }
