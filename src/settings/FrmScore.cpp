#include "settings/FrmScore.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>

#include "controls/isButton.h"
#include "controls/Panel3D.h"
#include "settings/Scores.h"
#include "settings/SettingsStore.h"
#include "settings/UiTextQt.h"
#include "shell/WindowServices.h"

namespace sv {

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 420;
constexpr int kTitleHeight = 26;

// A small gold cup beside the list.
QPixmap DrawCup() {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(0, 0, 48, 0);
    gold.setColorAt(0, QColor(0xF9, 0xD9, 0x6B));
    gold.setColorAt(0.5, QColor(0xE8, 0xB0, 0x22));
    gold.setColorAt(1, QColor(0xB8, 0x82, 0x10));
    p.setPen(QPen(QColor(0x8A, 0x60, 0x08), 1.2));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(12, 6);
    cup.lineTo(36, 6);
    cup.cubicTo(36, 24, 30, 30, 24, 30);
    cup.cubicTo(18, 30, 12, 24, 12, 6);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 9, 12, 12), 90 * 16, 180 * 16);
    p.drawArc(QRectF(32, 9, 12, 12), -90 * 16, 180 * 16);
    p.setBrush(gold);
    p.drawRect(QRectF(21, 30, 6, 8));
    p.drawRoundedRect(QRectF(14, 38, 20, 6), 2, 2);
    return pm;
}

} // namespace

FrmScore::FrmScore(QWidget* mainWindow, const SettingsStore& store, const QString& scoreFolder,
                   int level, const QString& levelCaption)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FrmScore"));
    setModal(true);
    setFixedSize(kWidth, kHeight);

    auto* frame = new Panel3D(this);
    frame->setGeometry(rect());
    frame->SetBackColor(QColor(0xF3, 0xF6, 0xFA));

    auto* meHaut = new Panel3D(this);
    meHaut->setObjectName(QStringLiteral("MeHaut"));
    meHaut->setGeometry(0, 0, kWidth, kTitleHeight);
    meHaut->SetBackColor(QColor(0x2B, 0x4F, 0x86));
    meHaut->SetForeColor(Qt::white);
    meHaut->SetBold(true);
    MakeDragHandle(meHaut);
    MeHaut_ = meHaut;

    auto* quitter = new isButton(this);
    quitter->setObjectName(QStringLiteral("Quitter"));
    quitter->setGeometry(kWidth - 26, 3, 22, 20);
    quitter->SetCaption(QStringLiteral("X"));
    quitter->SetForeColor(0x2030B0); // a dark red
    connect(quitter, &isButton::Click, this, &QDialog::reject);
    Quitter_ = quitter;

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(DrawCup());
    image1->setGeometry(12, kTitleHeight + 12, 48, 48);

    auto* scroll = new QScrollArea(this);
    scroll->setGeometry(72, kTitleHeight + 12, kWidth - 84, kHeight - kTitleHeight - 24);
    scroll->setWidgetResizable(true);
    Score_ = new QLabel;
    Score_->setObjectName(QStringLiteral("Score"));
    Score_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Score_->setMargin(6);
    // A fixed-pitch face keeps the times and names in columns.
    Score_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Score_->setTextFormat(Qt::PlainText);
    Score_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Score_->setAutoFillBackground(true);
    QPalette pal = Score_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Score_->setPalette(pal);
    scroll->setWidget(Score_);

    // Load: stay-on-top, place over the main window, its icon and transparency; then the texts
    // and the list.
    PrepareOverMainWindow(this, mainWindow, store);
    const QString title = Ui(81) + QStringLiteral(" (") + levelCaption + ')';
    meHaut->SetCaption(title);
    setWindowTitle(title);
    quitter->setToolTip(Ui(70));
    LireScore(scoreFolder, level);
}

QString FrmScore::Title() const {
    return static_cast<Panel3D*>(MeHaut_)->Caption();
}

QString FrmScore::ScoreText() const {
    return scoreText_;
}

void FrmScore::LireScore(const QString& scoreFolder, int level) {
    scoreText_ = sv::LireScore(scoreFolder, level);
    QString shown = scoreText_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Score_->setText(shown);
}

} // namespace sv
