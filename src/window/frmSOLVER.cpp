// The main window's controls and its start-up, in the order the game relies on: texts, the
// one-instance check, window services and background, position, captions, flags, player name,
// level tables, the board, then the first puzzle.
#include "window/frmSOLVER.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "controls/BgrColor.h"
#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "controls/XP_ProgressBar.h"
#include "settings/ConfirmQuit.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"
#include "settings/Twips.h"
#include "settings/UiTextQt.h"
#include "shell/Dialogs.h"
#include "shell/WindowServices.h"
#include "window/BoardView.h"
#include "window/frmPop.h"
#include "window/GameClock.h"
#include "window/PopupMenus.h"
#include "window/SingleInstance.h"
#include "window/Skins.h"

namespace sv {

namespace {
constexpr int kWindowWidth = 747;
constexpr int kWindowHeight = 582;
constexpr int kButtonWidth = 121;
constexpr int kButtonHeight = 53;
constexpr int kTickMs = 500;

isButton* MakeButton(QWidget* parent, int x, int y, int w, int h) {
    auto* b = new isButton(parent);
    b->setGeometry(x, y, w, h);
    return b;
}

Panel3D* MakePanel(QWidget* parent, int x, int y, int w, int h, Panel3D::Bevel bevel) {
    auto* p = new Panel3D(parent);
    p->setGeometry(x, y, w, h);
    p->SetBevel(bevel);
    return p;
}
} // namespace

frmSOLVER::frmSOLVER(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), services_(services), seam_(*this),
      model_(&seam_), creator_(model_, seam_, services.random) {
    // Interface texts first: the defaults, then the language file beside the program.
    const LanguageLoadResult texts = InitUiTexts(services_.programDir.toStdString());
    // The random source was seeded from the clock when it was made, at program start.
    // A second copy of the game ends here, before anything is built or shown.
    setWindowTitle(ProgramTitle());
    if (!services_.instanceLock.TryAcquire()) {
        refused_ = true;
        return;
    }
    if (!texts.ok()) {
        startupError_ = QString::fromStdString(texts.Message());
        services_.dialogs.Message(nullptr, startupError_, ProgramTitle(), MessageIcon::Critical);
        return;
    }
    setFixedSize(kWindowWidth, kWindowHeight);
    // The program's icon, which the other windows take from this one.
    setWindowIcon(QIcon(services_.programDir + QStringLiteral("/me.ico")));
    BuildControls();
    pop_ = std::make_unique<frmPop>();
    skins_ = new Skins(this, *pop_, services_.menus, services_.settings, services_.programDir);
    ConnectControls();

    // Transparency and stay-on-top. The notification-area icon, and starting hidden in
    // it, come with the icon itself; until then the window always starts shown.
    ApplyTransparency(this, services_.settings);
    RendreVisible();
    // Background, then the stored position.
    AfficherFond();
    PlaceWindow();
    // Captions, then the flags.
    ApplyCaptions();
    model_.AllowGuessing = services_.settings.GetBool(setting::AideResol, false);
    LoadPlayerName();
    // Level tables and the puzzle book.
    creator_.InitLevelLabels();
    creator_.InitCreator(services_.programDir.toStdString());
    CaptionLevelMenu();
    // (The print job's defaults are set up by the printing code when it is used.)
    // The right-button help waits until the player turns it on in this session.
    RightClickHelp = false;
    // The board for the stored size; the clock runs from here.
    model_.BlockSize = services_.settings.GetInt(setting::Griller, 0) != 0 ? 4 : 3;
    RepaintGrid();
    // The first puzzle of the stored level. A level edited out of range by hand means
    // the first level rather than a puzzle nobody can have.
    int level = services_.settings.GetInt(setting::Level, 0);
    if (level < 0 || level >= kLevelCount) level = 0;
    pop_->mnuLev_Click(level);
}

frmSOLVER::~frmSOLVER() = default;

void frmSOLVER::BuildControls() {
    using B = Panel3D::Bevel;
    Entete_ = MakePanel(this, 0, 0, kWindowWidth, 28, B::Raised);
    Entete_->SetBackColor(QColor(0x2f, 0x4f, 0x7f));
    MeHaut_ = MakePanel(Entete_, 40, 3, 623, 20, B::None);
    MeHaut_->SetCaption(QStringLiteral("Zadude Voltane"));
    MeHaut_->SetForeColor(Qt::white);
    MeHaut_->SetBold(true);
    STasknook_ = MakeButton(Entete_, 671, 2, 20, 22);
    Minimiser_ = MakeButton(Entete_, 696, 2, 20, 22);
    Quitter_ = MakeButton(Entete_, 720, 2, 20, 22);
    STasknook_->SetCaption(QStringLiteral("▾"));
    Minimiser_->SetCaption(QStringLiteral("_"));
    Quitter_->SetCaption(QStringLiteral("×"));
    for (isButton* b : {STasknook_, Minimiser_, Quitter_}) b->SetFlat(true);

    const QColor frame(0x2f, 0x4f, 0x7f);
    for (Panel3D* p : {MakePanel(this, 0, 28, 7, kWindowHeight - 28, B::Raised),
                       MakePanel(this, kWindowWidth - 7, 28, 7, kWindowHeight - 28, B::Raised),
                       MakePanel(this, 0, kWindowHeight - 7, kWindowWidth, 7, B::Raised)})
        p->SetBackColor(frame);

    auto leftButton = [this](int y) {
        return MakeButton(this, 24, y, kButtonWidth, kButtonHeight);
    };
    auto rightButton = [this](int y) {
        return MakeButton(this, 600, y, kButtonWidth, kButtonHeight);
    };
    BtnCreate_ = leftButton(120);
    btnLoad_ = leftButton(176);
    BtnSave_ = leftButton(232);
    btnOptions_ = leftButton(336);
    btnPrint_ = leftButton(392);
    mnuHelp_ = leftButton(448);
    btnReset_ = rightButton(120);
    btnHint_ = rightButton(336);
    cmdSOLVE_ = rightButton(392);
    cmdCLEAR_ = rightButton(448);

    PScore_ = MakePanel(this, 600, 184, kButtonWidth, 129, B::Raised);
    PScore_->SetBackColor(QColor(0xf4, 0xf6, 0xfa));
    auto* SSPanel2 = MakePanel(PScore_, 4, 4, 113, 20, B::None);
    SSPanel2->SetCaption(QStringLiteral("Score"));
    SSPanel2->SetBold(true);
    lTemps_ = MakePanel(PScore_, 4, 26, 113, 36, B::Inset);
    lTemps_->SetBackColor(Qt::white);
    lTemps_->SetBold(true);
    QFont clockFont = lTemps_->font();
    clockFont.setPixelSize(22);
    lTemps_->setFont(clockFont);
    lTemps_->SetCaption(QStringLiteral("00:00"));
    LScore_ = MakePanel(PScore_, 4, 68, 113, 20, B::None);
    LScore_->SetCaption(QStringLiteral("Joueur"));
    LScore_->SetBold(true);
    LScore_->setCursor(Qt::PointingHandCursor);
    NomJoueur_ = new QLineEdit(PScore_);
    NomJoueur_->setGeometry(4, 92, 113, 28);
    NomJoueur_->setAlignment(Qt::AlignCenter);

    Cadre_ = MakePanel(this, 600, 504, kButtonWidth, kButtonHeight, B::Inset);
    BtnUrl_ = MakeButton(Cadre_, 3, 3, kButtonWidth - 6, kButtonHeight - 6);
    BtnUrl_->SetIcon(windowIcon());

    LevLabel_ = MakeButton(this, 185, 60, 380, 30);
    SB_ = MakePanel(this, 185, 515, 380, 22, B::Inset);
    SB_->SetBackColor(QColor(0xff, 0xfb, 0xe6));
    SB_->hide();
    BP_ = new XP_ProgressBar(this);
    BP_->setGeometry(176, 550, 403, 17);
    BP_->hide();

    view_ = new BoardView(this, board_);
    Timer1_ = new QTimer(this);
    Timer1_->setInterval(kTickMs);
    Timer2_ = new QTimer(this);
    Timer2_->setInterval(kTickMs);
    Timer1_->start();
}

void frmSOLVER::ConnectControls() {
    MakeDragHandle(MeHaut_);
    connect(Timer1_, &QTimer::timeout, view_, &BoardView::Blink);
    connect(Timer2_, &QTimer::timeout, this, &frmSOLVER::Timer2_Timer);
    connect(Quitter_, &isButton::Click, this, [this] { Quitter_Click(); });
    connect(Minimiser_, &isButton::Click, this, &QWidget::showMinimized);
    // Sending the window to the notification area needs the icon there; until it exists the
    // button minimises, so the window can always be found again.
    connect(STasknook_, &isButton::Click, this, &QWidget::showMinimized);
    connect(BtnUrl_, &isButton::Click, this,
            [this] { OpenDocument(QString::fromUtf8(kMakerWebSite), this); });
    connect(LScore_, &Panel3D::Click, this, &frmSOLVER::ShowScores);
    connect(NomJoueur_, &QLineEdit::textChanged, this, [this] { NomJoueur_Change(); });

    connect(BtnCreate_, &isButton::Click, this, &frmSOLVER::BtnCreate_Click);
    connect(LevLabel_, &isButton::Click, this, &frmSOLVER::LevLabel_Click);
    connect(btnReset_, &isButton::Click, this, &frmSOLVER::btnReset_Click);
    connect(cmdCLEAR_, &isButton::Click, this, &frmSOLVER::cmdCLEAR_Click);
    connect(cmdSOLVE_, &isButton::Click, this, &frmSOLVER::cmdSOLVE_Click);
    connect(btnHint_, &isButton::Click, this, &frmSOLVER::btnHint_Click);
    connect(btnPrint_, &isButton::Click, this, [this] { PopupAtMouse(*pop_->mnuPrint); });

    connect(view_, &BoardView::CellClick, this, &frmSOLVER::txtCELL_Click);
    connect(view_, &BoardView::CellKeyPress, this, &frmSOLVER::txtCELL_KeyPress);
    connect(view_, &BoardView::CellKeyDown, this, &frmSOLVER::txtCELL_KeyDown);
    connect(view_, &BoardView::CellMouseUp, this, &frmSOLVER::txtCELL_MouseUp);

    connect(pop_.get(), &frmPop::mnuLevClicked, this, &frmSOLVER::mnuLev_Click);
    connect(pop_.get(), &frmPop::PopupClicked, this, [this](int k, bool) { Popup_Click(k); });
    connect(pop_.get(), &frmPop::mnuPrintThisClicked, this, &frmSOLVER::mnuPrintThis_Click);
    connect(pop_.get(), &frmPop::ReafficherClicked, this, &frmSOLVER::TasknookDelete);
    connect(pop_.get(), &frmPop::SiteClicked, this,
            [this] { OpenDocument(QString::fromUtf8(kMakerWebSite), this); });
    connect(pop_.get(), &frmPop::QuitterClicked, this, [this] { Quitter_Click(); });
}

void frmSOLVER::PlaceWindow() {
    // Positions are stored in twips; the default centres the window on the main screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const int centreLeft = desk.left() + (desk.width() - kWindowWidth) / 2;
    const int centreTop = desk.top() + (desk.height() - kWindowHeight) / 2;
    const int left =
        TwipsToPixels(services_.settings.GetInt(setting::Left, PixelsToTwips(centreLeft)));
    const int top =
        TwipsToPixels(services_.settings.GetInt(setting::Top, PixelsToTwips(centreTop)));
    // A position from another screen layout could leave the window where nobody sees it:
    // such a window comes up centred instead.
    const QRect wanted(left, top, kWindowWidth, kWindowHeight);
    bool onSomeScreen = false;
    for (const QScreen* s : QGuiApplication::screens())
        onSomeScreen = onSomeScreen || s->geometry().intersects(wanted);
    move(onSomeScreen ? wanted.topLeft() : QPoint(centreLeft, centreTop));
}

void frmSOLVER::ApplyCaptions() {
    BtnCreate_->SetCaption(Ui(27));
    btnLoad_->SetCaption(Ui(28));
    BtnSave_->SetCaption(Ui(29));
    btnOptions_->SetCaption(Ui(30));
    btnPrint_->SetCaption(Ui(26));
    mnuHelp_->SetCaption(Ui(31));
    btnHint_->SetCaption(Ui(32));
    cmdSOLVE_->SetCaption(Ui(33));
    cmdCLEAR_->SetCaption(Ui(34));
    btnReset_->SetCaption(Ui(35));
    levLabelTag_ = Ui(65) + QStringLiteral(" : ");
    Quitter_->setToolTip(Ui(70));
    Minimiser_->setToolTip(Ui(71));
    BtnUrl_->setToolTip(Ui(92));
    BtnUrl_->SetCaption(Ui(92));
    fileFilter_ = Ui(64) + QLatin1Char(' ') + ProgramTitle() + QStringLiteral("|*.suf");
}

void frmSOLVER::CaptionLevelMenu() {
    for (int i = 0; i < kLevelCount; ++i)
        pop_->mnuLev[i]->setText(QString::fromStdString(creator_.LevelLabels[i]));
}

void frmSOLVER::RendreVisible() {
    sv::RendreVisible(this, services_.settings);
}

void frmSOLVER::AfficherFond() {
    skins_->AfficherFond();
}

isButton* frmSOLVER::Cell(int index) const {
    return view_->Cell(index);
}

QWidget* frmSOLVER::Curseur() const {
    return view_->Marker();
}

bool frmSOLVER::Quitter_Click() {
    if (!ConfirmQuit(this, services_.dialogs, services_.settings)) return false;
    TasknookDelete();
    emit QuitRequested();
    return true;
}

void frmSOLVER::TasknookDelete() {
    // Shown again for good, so the next start shows the window too.
    if (!isVisible() || isMinimized()) showNormal();
    services_.settings.SaveSetting(setting::Tasknook, 1);
}

void frmSOLVER::PopupAtMouse(QMenu& menu) {
    services_.menus.Popup(menu, QCursor::pos());
}

void frmSOLVER::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        skins_->BackgroundRightClick(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void frmSOLVER::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState &&
        isVisible())
        TasknookDelete();
    QWidget::changeEvent(event);
}

} // namespace sv
