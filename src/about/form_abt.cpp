#include "about/form_abt.h"

#include <QAction>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#include "data/contact_texts.h"
#include "platform/canvas.h"
#include "platform/pictures.h"
#include "platform/program_error.h"
#include "platform/shell.h"

namespace {

const QColor kLinkNavy(0, 0, 128);

// A text label at its layout position. Labels size themselves to their text, as the layout's
// widths were measured in the original window font: a face that sets wider keeps all its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                  bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(text) + 1;
    label->setGeometry(geometry.x(), geometry.y(), std::max(geometry.width(), textWidth),
                       geometry.height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A picture's place; the picture is set by ShowPictures.
QLabel* MakeImage(QWidget* parent, const char* name, const QRect& geometry) {
    auto* image = new QLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    return edit;
}

}  // namespace

TFormAbt::TFormAbt(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAbt"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(FontOfCellHeight(QStringLiteral("MS Sans Serif"), -11, false));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(rect());
    // The border lies outside the panel's client area: controls are placed within the border,
    // so that none is drawn over it.
    Panel1Client = new QWidget(Panel1);
    Panel1Client->setObjectName(QStringLiteral("Panel1Client"));
    Panel1Client->setGeometry(Panel1->contentsRect());
    QWidget* client = Panel1Client;

    // Back to front, as the layout stacks them.
    Image2 = MakeImage(client, "Image2", {285, 0, 200, 209});
    Label6 = MakeLabel(client, "Label6", {128, 312, 128, 13}, contact::kRatingBodyWebSite);
    Label9 = MakeLabel(client, "Label9", {16, 312, 102, 13}, QStringLiteral("Green Guide Website"));
    Label5 = MakeLabel(client, "Label5", {16, 296, 390, 13},
                       QStringLiteral("Access to the Green Guide Online is free, but requires uses "
                                      "to register prior to using"));
    Label4 =
        MakeLabel(client, "Label4", {16, 280, 303, 13},
                  QStringLiteral("Generic Environmental Profiles for ") + contact::kMakerCompany);
    Label3 = MakeLabel(client, "Label3", {16, 264, 237, 13},
                       QStringLiteral("BRE Green Guide Environmental Profile Calculator"));
    Image3 = MakeImage(client, "Image3", {8, 117, 288, 100});
    Label2 = MakeLabel(client, "Label2", {112, 88, 26, 13}, QStringLiteral("Date:"));
    Label1 = MakeLabel(client, "Label1", {112, 56, 38, 13}, QStringLiteral("Version:"));
    Label8 = MakeLabel(client, "Label8", {120, 24, 245, 13}, contact::kMakerRightsNotice, true);
    Label7 = MakeLabel(client, "Label7", {120, 8, 159, 13}, QStringLiteral("The Ratewell"), true);
    Image1 = MakeImage(client, "Image1", {8, 0, 103, 45});
    ShowPictures();
    Edit2 = MakeEdit(client, "Edit2", {176, 80, 121, 19}, QStringLiteral("01/09/2013"));
    Edit1 = MakeEdit(client, "Edit1", {176, 56, 121, 19}, QStringLiteral("Version 1.0"));
    Button1 = new QPushButton(QStringLiteral("OK"), client);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(344, 56, 75, 25);
    // Not a default button in any way: Enter must not close the box.
    Button1->setAutoDefault(false);
    Button1->setDefault(false);

    setTabOrder(Edit2, Edit1);
    setTabOrder(Edit1, Button1);
    Edit2->setFocus();

    QPalette link = Label6->palette();
    link.setColor(QPalette::WindowText, kLinkNavy);
    Label6->setPalette(link);
    QFont linkFont = Label6->font();
    linkFont.setUnderline(true);
    Label6->setFont(linkFont);
    Label6->setCursor(Qt::UpArrowCursor);
    Label6->installEventFilter(this);

    // The Escape key works through an action of the box itself, as a menu item that never shows.
    Close1 = new QAction(QStringLiteral("Close"), this);
    Close1->setObjectName(QStringLiteral("Close1"));
    Close1->setShortcut(QKeySequence(Qt::Key_Escape));
    Close1->setShortcutContext(Qt::WindowShortcut);
    addAction(Close1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(Button1, &QPushButton::clicked, this, &TFormAbt::Button1Click);
    connect(Close1, &QAction::triggered, this, &TFormAbt::Close1Click);
    connect(Timer1, &QTimer::timeout, this, &TFormAbt::Timer1Timer);
}

void TFormAbt::ShowPictures() {
    const qreal ratio = devicePixelRatio();
    Image2->setPixmap(QPixmap::fromImage(DecorativeCurves(ratio)));
    Image3->setPixmap(QPixmap::fromImage(RatingBodyLogo(ratio)));
    Image1->setPixmap(QPixmap::fromImage(MakerLogo(ratio)));
}

bool TFormAbt::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        ShowPictures();
    }
    return QDialog::event(event);
}

void TFormAbt::SetBorderless() {
    const bool wasVisible = isVisible();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // The layout's bottom lines (the web link at 312, 13 high) lie below the framed client
    // area; without a frame the box takes the room the frame and caption had.
    setFixedSize(kClientWidth, kBorderlessHeight);
    if (wasVisible) {
        show();
    }
}

void TFormAbt::StartSplash() {
    Timer1->start();
    show();
}

int TFormAbt::ShowModal() {
    if (isVisible()) {
        throw ProgramError(QStringLiteral("Cannot make a visible window modal"));
    }
    return exec();
}

void TFormAbt::SetDataVersion(const QString& dataVersion) {
    const QString tip = QStringLiteral("Tables: ") + dataVersion;
    Edit1->setToolTip(tip);
    Edit1->setAccessibleDescription(tip);
}

void TFormAbt::setVisible(bool visible) {
    if (visible && !isVisible()) {
        CentreOnScreen();
    }
    QDialog::setVisible(visible);
}

void TFormAbt::keyPressEvent(QKeyEvent* event) {
    // The box has no default button: Enter does nothing, wherever the focus is.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormAbt::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The panel fills the client area whatever the border style.
    Panel1->setGeometry(rect());
    Panel1Client->setGeometry(Panel1->contentsRect());
}

bool TFormAbt::eventFilter(QObject* watched, QEvent* event) {
    // A click on the link is a left press and release on it.
    if (watched == Label6 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Label6->rect().contains(mouse->position().toPoint())) {
            Label6Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAbt::Button1Click() {
    close();
}

void TFormAbt::Close1Click() {
    close();
}

void TFormAbt::Timer1Timer() {
    Timer1->stop();
    close();
}

void TFormAbt::Label6Click() {
    ShellOpen(contact::kRatingBodyWebAddress);
}

void TFormAbt::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // With a frame, the frame's size is known once the box has been on screen; before that the
    // client size stands in for it.
    const QSize outer = frameGeometry().size();
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}
