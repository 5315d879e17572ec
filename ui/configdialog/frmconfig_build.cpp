// SPDX-License-Identifier: GPL-3.0-or-later
// frmConfig: the controls, their places, their colours on the skin, the
// tab order and the accessible names.

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "ui/configdialog/frmconfig.h"
#include "ui/skin/skin.h"

namespace numerina::ui {
namespace {

// The dialog's font: Arial (Liberation Sans here), 11 pixels.
QFont DialogFont() {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(11);
  return f;
}

// The controls' colours: fields in the tape's colour with dark text, caps
// as the toolbar's, selection in the memory keys' blue; disabled fields
// sink into the housing.
QPalette DialogPalette() {
  QPalette pal;
  const QColor ink(18, 24, 30), field = Palette::Tape(), cap(214, 220, 224);
  const QColor selection(54, 88, 120), body = Palette::Body();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(g, QPalette::Window, body);
    pal.setColor(g, QPalette::WindowText, Qt::white);
    pal.setColor(g, QPalette::Base, field);
    pal.setColor(g, QPalette::AlternateBase, field);
    pal.setColor(g, QPalette::Text, ink);
    pal.setColor(g, QPalette::Button, cap);
    pal.setColor(g, QPalette::ButtonText, ink);
    pal.setColor(g, QPalette::Highlight, selection);
    pal.setColor(g, QPalette::HighlightedText, Qt::white);
    pal.setColor(g, QPalette::Light, QColor(240, 243, 245));
    pal.setColor(g, QPalette::Midlight, cap);
    pal.setColor(g, QPalette::Mid, QColor(120, 130, 138));
    pal.setColor(g, QPalette::Dark, QColor(48, 56, 64));
    pal.setColor(g, QPalette::Shadow, QColor(30, 35, 40));
    pal.setColor(g, QPalette::ToolTipBase, QColor(246, 246, 240));
    pal.setColor(g, QPalette::ToolTipText, ink);
    pal.setColor(g, QPalette::PlaceholderText, QColor(90, 100, 108));
  }
  pal.setColor(QPalette::Disabled, QPalette::Window, body);
  pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 160, 168));
  pal.setColor(QPalette::Disabled, QPalette::Base, QColor(118, 129, 137));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(52, 60, 68));
  pal.setColor(QPalette::Disabled, QPalette::Button, QColor(118, 129, 137));
  pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(52, 60, 68));
  pal.setColor(QPalette::Disabled, QPalette::Highlight, QColor(96, 108, 118));
  pal.setColor(QPalette::Disabled, QPalette::HighlightedText, QColor(200, 206, 210));
  pal.setColor(QPalette::Disabled, QPalette::Light, QColor(150, 160, 168));
  pal.setColor(QPalette::Disabled, QPalette::Mid, QColor(96, 108, 118));
  pal.setColor(QPalette::Disabled, QPalette::Dark, QColor(48, 56, 64));
  return pal;
}

// A label that shows a path: a sunken field of the tape's colour.
void MakePathField(QLabel* label) {
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Base);
  label->setForegroundRole(QPalette::Text);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setLineWidth(1);
  label->setIndent(3);
  label->setTextFormat(Qt::PlainText);
}

}  // namespace

QLabel* frmConfig::Caption(const QString& text, const QRect& place) {
  auto* label = new QLabel(text, this);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(place);
  // The places' widths were measured with another font: a caption that
  // would be cut takes the room it needs, up to the frame's right edge.
  const int need = label->sizeHint().width();
  if (need > place.width()) label->resize(std::min(need, kWidth - 12 - place.x()), place.height());
  return label;
}

void frmConfig::BuildControls() {
  setFont(DialogFont());
  setPalette(DialogPalette());

  chkPrimo_ = new QCheckBox(this);
  chkPrimo_->setGeometry(14, 32, 16, 16);
  QLabel* label3 =
      Caption(QStringLiteral("Mantieni numerina sempre in primo piano"), QRect(42, 34, 202, 13));
  label3->setBuddy(chkPrimo_);
  label3->installEventFilter(this);
  chkPrimo_->setAccessibleName(label3->text());

  Caption(QStringLiteral("Posizione:"), QRect(14, 52, 48, 13));
  Caption(QStringLiteral("Immagine da caricare sulla numerina:"), QRect(66, 52, 185, 13));
  cboPic_ = new QComboBox(this);
  cboPic_->setGeometry(14, 66, 46, 21);
  cboPic_->setAccessibleName(QStringLiteral("Posizione dell'immagine sulla numerina"));
  lblPicture_ = new QLabel(this);
  lblPicture_->setGeometry(66, 66, 202, 20);
  MakePathField(lblPicture_);
  lblPicture_->setAccessibleName(QStringLiteral("Immagine scelta per la numerina"));
  auto* command1 = new QToolButton(this);
  command1->setGeometry(268, 66, 22, 21);
  command1->setIcon(Skin::FolderIcon());
  command1->setIconSize(QSize(16, 16));
  command1->setToolTip(QStringLiteral("Scegli l'immagine"));
  command1->setAccessibleName(QStringLiteral("Scegli l'immagine della numerina"));
  connect(command1, &QToolButton::clicked, this, &frmConfig::Command1_Click);
  command1_ = command1;
  lblpospic_ = Caption(QStringLiteral("Nessuna immagine caricata"), QRect(14, 87, 130, 13));
  lblpospic_->resize(kWidth - 28, 13);

  Caption(QStringLiteral("Posizione:"), QRect(14, 103, 48, 13));
  QLabel* label7 =
      Caption(QStringLiteral("Nome da inserire sulla numerina:"), QRect(66, 103, 163, 13));
  cboNome_ = new QComboBox(this);
  cboNome_->setGeometry(14, 117, 46, 21);
  cboNome_->setAccessibleName(QStringLiteral("Posizione del nome sul report"));
  txtNome_ = new QLineEdit(this);
  txtNome_->setGeometry(66, 117, 224, 21);
  txtNome_->setAccessibleName(label7->text());
  label7->setBuddy(txtNome_);
  txtNome_->installEventFilter(this);
  lblposnome_ = Caption(QStringLiteral("Nessun nome caricato"), QRect(14, 138, 106, 13));
  lblposnome_->resize(kWidth - 28, 13);

  chkInfo_ = new QCheckBox(this);
  chkInfo_->setGeometry(22, 153, 14, 14);
  QLabel* label10 =
      Caption(QStringLiteral(" Configurazione informazioni: "), QRect(36, 154, 137, 13));
  label10->setBuddy(chkInfo_);
  label10->installEventFilter(this);
  chkInfo_->setAccessibleName(QStringLiteral("Configurazione informazioni"));

  QLabel* label11 = Caption(QStringLiteral("Immagine:"), QRect(21, 172, 48, 13));
  lblPicInfo_ = new QLabel(this);
  lblPicInfo_->setGeometry(71, 169, 193, 20);
  MakePathField(lblPicInfo_);
  lblPicInfo_->setAccessibleName(QStringLiteral("Immagine scelta per le informazioni"));
  auto* command2 = new QToolButton(this);
  command2->setGeometry(264, 169, 22, 21);
  command2->setIcon(Skin::FolderIcon());
  command2->setIconSize(QSize(16, 16));
  command2->setToolTip(QStringLiteral("Scegli l'immagine"));
  command2->setAccessibleName(QStringLiteral("Scegli l'immagine delle informazioni"));
  connect(command2, &QToolButton::clicked, this, &frmConfig::Command2_Click);
  command2_ = command2;

  QLabel* label12 = Caption(QStringLiteral("Titolo:"), QRect(21, 195, 29, 13));
  txtInfo_ = new QLineEdit(this);
  txtInfo_->setGeometry(71, 192, 215, 21);
  txtInfo_->setAccessibleName(QStringLiteral("Titolo delle informazioni"));
  label12->setBuddy(txtInfo_);
  txtInfo_->installEventFilter(this);

  QLabel* label9 = Caption(QStringLiteral("Testo descrittivo (2 click sulla linea da modificare):"),
                           QRect(36, 215, 236, 13));
  lstMain_ = new QListWidget(this);
  lstMain_->setGeometry(36, 230, 249, 123);
  lstMain_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lstMain_->setLineWidth(1);
  lstMain_->setUniformItemSizes(true);
  lstMain_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstMain_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstMain_->setAccessibleName(QStringLiteral("Testo descrittivo, F2 modifica la riga"));
  lstMain_->installEventFilter(this);
  lstMain_->viewport()->installEventFilter(this);
  label9->setBuddy(lstMain_);
  infoCaptions_ = {label10, label9, label11, label12};

  txtEdit_ = new QLineEdit(this);
  txtEdit_->setFrame(false);
  // The list draws a row's text one pixel further in than a line editor.
  txtEdit_->setTextMargins(1, 0, 0, 0);
  txtEdit_->setAccessibleName(QStringLiteral("Modifica della riga"));
  txtEdit_->installEventFilter(this);
  connect(txtEdit_, &QLineEdit::textChanged, this, [this] { ResizeEditor(); });

  Caption(QStringLiteral("Ripristina le impostazioni di default"), QRect(24, 370, 160, 13));
  image2_ = new PictureButton(this, *this, PictureButton::Kind::Tool, 2,
                              Skin::ConfigButtonRect(Skin::ConfigButton::Ripristina),
                              QStringLiteral("Ripristina le impostazioni di default"), QString());
  image1_ = new PictureButton(
      this, *this, PictureButton::Kind::Tool, 1, Skin::ConfigButtonRect(Skin::ConfigButton::Close),
      QStringLiteral("Chiudi e salva la configurazione"), QStringLiteral("Chiudi"));
  // Strong focus: where the platform tabs through text and list controls
  // only, Tab still reaches every button.
  for (QWidget* b :
       {static_cast<QWidget*>(image1_), static_cast<QWidget*>(image2_), command1_, command2_})
    b->setFocusPolicy(Qt::StrongFocus);
  for (PictureButton* b : {image1_, image2_}) b->installEventFilter(this);

  // Every stop of the tab order, top to bottom as the eye reads.
  const QWidget* order[] = {chkPrimo_, cboPic_,   command1_, cboNome_, txtNome_, chkInfo_,
                            txtInfo_,  command2_, lstMain_,  image2_,  image1_};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
  txtEdit_->setFocusPolicy(Qt::ClickFocus);

  connect(cboPic_, &QComboBox::currentIndexChanged, this, [this] { cboPic_Click(); });
  connect(cboNome_, &QComboBox::currentIndexChanged, this, [this] { cboNome_Click(); });
  connect(chkInfo_, &QCheckBox::toggled, this, [this] { chkInfo_Click(); });
}

void frmConfig::PreparaControlli() {
  for (QComboBox* combo : {cboPic_, cboNome_})
    combo->addItems({QString(), QStringLiteral("1"), QStringLiteral("2")});
  const int row = 13;
  for (int n = 0; n < 9; ++n) {
    auto* item = new QListWidgetItem(QStringLiteral(" "), lstMain_);
    item->setSizeHint(QSize(0, row));
  }
  // Line numbers beside the rows.
  const int top = lstMain_->y() + lstMain_->frameWidth();
  for (int n = 0; n < 9; ++n) {
    QLabel* number = Caption(QString::number(n + 1), QRect(26, top + n * row, 7, row));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblnum_[static_cast<std::size_t>(n)] = number;
  }
  txtEdit_->setFont(lstMain_->font());
  txtEdit_->setEnabled(false);
  txtEdit_->setGeometry(800, 800, 50, row);
  txtEdit_->hide();
  chkInfo_->setChecked(false);
  chkInfo_Click();
}

bool frmConfig::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == txtEdit_) return EditorEvent(event);
  if (watched == lstMain_ || watched == lstMain_->viewport()) return ListEvent(watched, event);
  if (watched == image1_ || watched == image2_) {
    auto* button = static_cast<PictureButton*>(watched);
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) update(button->geometry());
    if (type == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        ButtonActivated(*button);
        return true;
      }
    }
    return false;
  }
  if ((watched == txtNome_ || watched == txtInfo_) && type == QEvent::FocusIn) {
    static_cast<QLineEdit*>(watched)->selectAll();
    return false;
  }
  // A click on the caption of a check box works the box.
  if (type == QEvent::MouseButtonRelease) {
    if (auto* label = qobject_cast<QLabel*>(watched);
        label && label->buddy() && label->buddy()->isEnabled()) {
      if (auto* box = qobject_cast<QCheckBox*>(label->buddy())) box->click();
    }
  }
  return false;
}

}  // namespace numerina::ui
