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
#include "ui/configdialog/positionlist.h"
#include "ui/skin/layout_config.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"

namespace numerina::ui {
namespace {

namespace at = layout::config;

QFont DialogFont() {
  QFont f(ToQString(at::kFontFamily));
  f.setPixelSize(at::kFontPx);
  return f;
}

QPalette DialogPalette() {
  QPalette pal;
  const QColor field = Palette::Tape(), body = Palette::Body();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(g, QPalette::Window, body);
    pal.setColor(g, QPalette::WindowText, Qt::white);
    pal.setColor(g, QPalette::Base, field);
    pal.setColor(g, QPalette::AlternateBase, field);
    pal.setColor(g, QPalette::Text, at::kInk);
    pal.setColor(g, QPalette::Button, at::kCap);
    pal.setColor(g, QPalette::ButtonText, at::kInk);
    pal.setColor(g, QPalette::Highlight, at::kSelection);
    pal.setColor(g, QPalette::HighlightedText, Qt::white);
    pal.setColor(g, QPalette::Light, at::kLight);
    pal.setColor(g, QPalette::Midlight, at::kCap);
    pal.setColor(g, QPalette::Mid, at::kMid);
    pal.setColor(g, QPalette::Dark, at::kDark);
    pal.setColor(g, QPalette::Shadow, at::kShadow);
    pal.setColor(g, QPalette::ToolTipBase, at::kToolTipBase);
    pal.setColor(g, QPalette::ToolTipText, at::kInk);
    pal.setColor(g, QPalette::PlaceholderText, at::kPlaceholder);
  }
  pal.setColor(QPalette::Disabled, QPalette::Window, body);
  pal.setColor(QPalette::Disabled, QPalette::WindowText, at::kDisabledText);
  pal.setColor(QPalette::Disabled, QPalette::Base, at::kDisabledField);
  pal.setColor(QPalette::Disabled, QPalette::Text, at::kDisabledInk);
  pal.setColor(QPalette::Disabled, QPalette::Button, at::kDisabledField);
  pal.setColor(QPalette::Disabled, QPalette::ButtonText, at::kDisabledInk);
  pal.setColor(QPalette::Disabled, QPalette::Highlight, at::kDisabledHighlight);
  pal.setColor(QPalette::Disabled, QPalette::HighlightedText, at::kDisabledHighlightedText);
  pal.setColor(QPalette::Disabled, QPalette::Light, at::kDisabledText);
  pal.setColor(QPalette::Disabled, QPalette::Mid, at::kDisabledHighlight);
  pal.setColor(QPalette::Disabled, QPalette::Dark, at::kDark);
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

// A picture chooser: the folder icon on a small tool button.
QToolButton* Chooser(QWidget* parent, const QString& name, const QRect& place,
                     const QString& accessibleName) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setIcon(Skin::FolderIcon());
  button->setIconSize(QSize(at::kFolderIconPx, at::kFolderIconPx));
  button->setToolTip(QStringLiteral("Scegli l'immagine"));
  button->setAccessibleName(accessibleName);
  return button;
}

template <class W>
W* Named(W* widget, const char* name, const QRect& place) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(place);
  return widget;
}

}  // namespace

QLabel* frmConfig::Caption(const QString& name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(place);
  // The places' widths were measured with another font: a caption that
  // would be cut takes the room it needs, up to the frame's right edge.
  const int need = label->sizeHint().width();
  if (need > place.width())
    label->resize(std::min(need, kWidth - at::kCaptionRightMargin - place.x()), place.height());
  return label;
}

void frmConfig::BuildControls() {
  setFont(DialogFont());
  setPalette(DialogPalette());

  chkPrimo_ = Named(new QCheckBox(this), "chkPrimo", at::kChkPrimo);
  QLabel* label3 = Caption(QStringLiteral("Label3"),
                           QStringLiteral("Mantieni numerina sempre in primo piano"), at::kLabel3);
  label3->setBuddy(chkPrimo_);
  label3->installEventFilter(this);
  chkPrimo_->setAccessibleName(label3->text());

  QLabel* label1 =
      Caption(QStringLiteral("Label1"), QStringLiteral("Posizione:"), at::kPicPosCaption);
  Caption(QStringLiteral("Label2"), QStringLiteral("Immagine da caricare sulla numerina:"),
          at::kPicCaption);
  cboPic_ = Named(new QComboBox(this), "cboPic", at::kCboPic);
  NameListByCaption(*cboPic_);
  cboPic_->setAccessibleName(QStringLiteral("Posizione dell'immagine"));
  label1->setBuddy(cboPic_);
  lblPicture_ = Named(new QLabel(this), "lblPicture", at::kLblPicture);
  MakePathField(lblPicture_);
  lblPicture_->setAccessibleName(QStringLiteral("Immagine scelta per la numerina"));
  auto* command1 = Chooser(this, QStringLiteral("Command1"), at::kCommand1,
                           QStringLiteral("Scegli l'immagine della numerina"));
  connect(command1, &QToolButton::clicked, this, &frmConfig::Command1_Click);
  command1_ = command1;
  lblpospic_ = Caption(QStringLiteral("lblpospic"), QStringLiteral("Nessuna immagine caricata"),
                       at::kLblpospic);
  lblpospic_->resize(kWidth - 2 * at::kLblpospic.x(), at::kLblpospic.height());

  QLabel* label5 =
      Caption(QStringLiteral("Label5"), QStringLiteral("Posizione:"), at::kNamePosCaption);
  QLabel* label7 = Caption(QStringLiteral("Label7"),
                           QStringLiteral("Nome da inserire sulla numerina:"), at::kLabel7);
  cboNome_ = Named(new QComboBox(this), "cboNome", at::kCboNome);
  NameListByCaption(*cboNome_);
  cboNome_->setAccessibleName(QStringLiteral("Posizione del nome"));
  label5->setBuddy(cboNome_);
  txtNome_ = Named(new QLineEdit(this), "txtNome", at::kTxtNome);
  txtNome_->setAccessibleName(label7->text());
  label7->setBuddy(txtNome_);
  txtNome_->installEventFilter(this);
  lblposnome_ = Caption(QStringLiteral("lblposnome"), QStringLiteral("Nessun nome caricato"),
                        at::kLblposnome);
  lblposnome_->resize(kWidth - 2 * at::kLblposnome.x(), at::kLblposnome.height());

  chkInfo_ = Named(new QCheckBox(this), "chkInfo", at::kChkInfo);
  QLabel* label10 = Caption(QStringLiteral("Label10"),
                            QStringLiteral(" Configurazione informazioni: "), at::kLabel10);
  label10->setBuddy(chkInfo_);
  label10->installEventFilter(this);
  chkInfo_->setAccessibleName(QStringLiteral("Configurazione informazioni"));

  QLabel* label11 = Caption(QStringLiteral("Label11"), QStringLiteral("Immagine:"), at::kLabel11);
  lblPicInfo_ = Named(new QLabel(this), "lblPicInfo", at::kLblPicInfo);
  MakePathField(lblPicInfo_);
  lblPicInfo_->setAccessibleName(QStringLiteral("Immagine scelta per le informazioni"));
  auto* command2 = Chooser(this, QStringLiteral("Command2"), at::kCommand2,
                           QStringLiteral("Scegli l'immagine delle informazioni"));
  connect(command2, &QToolButton::clicked, this, &frmConfig::Command2_Click);
  command2_ = command2;

  QLabel* label12 = Caption(QStringLiteral("Label12"), QStringLiteral("Titolo:"), at::kLabel12);
  txtInfo_ = Named(new QLineEdit(this), "txtInfo", at::kTxtInfo);
  txtInfo_->setAccessibleName(QStringLiteral("Titolo delle informazioni"));
  label12->setBuddy(txtInfo_);
  txtInfo_->installEventFilter(this);

  QLabel* label9 = Caption(QStringLiteral("Label9"),
                           QStringLiteral("Testo descrittivo (2 click sulla linea da modificare):"),
                           at::kLabel9);
  lstMain_ = Named(new QListWidget(this), "lstMain", at::kLstMain);
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
  txtEdit_->setObjectName(QStringLiteral("txtEdit"));
  txtEdit_->setFrame(false);
  // The list draws a row's text one pixel further in than a line editor.
  txtEdit_->setTextMargins(1, 0, 0, 0);
  txtEdit_->setAccessibleName(QStringLiteral("Modifica della riga"));
  txtEdit_->installEventFilter(this);
  connect(txtEdit_, &QLineEdit::textChanged, this, [this] { ResizeEditor(); });

  Caption(QStringLiteral("Label13"), QStringLiteral("Ripristina le impostazioni di default"),
          at::kRestoreCaption);
  // Both act on the release of any mouse button, wherever it happens.
  image2_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 2,
                              Skin::ConfigButtonRect(Skin::ConfigButton::Ripristina),
                              QStringLiteral("Image2"),
                              QStringLiteral("Ripristina le impostazioni di default"), QString());
  image1_ = new PictureButton(
      this, *this, PictureButton::Acts::OnAnyRelease, 1,
      Skin::ConfigButtonRect(Skin::ConfigButton::Close), QStringLiteral("Image1"),
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
  const int row = at::kRowHeight;
  for (int n = 0; n < 9; ++n) {
    auto* item = new QListWidgetItem(QStringLiteral(" "), lstMain_);
    item->setSizeHint(QSize(0, row));
  }
  // Line numbers beside the rows.
  const int top = lstMain_->y() + lstMain_->frameWidth();
  for (int n = 0; n < 9; ++n) {
    QLabel* number = Caption(QStringLiteral("lblnum%1").arg(n), QString::number(n + 1),
                             QRect(at::kLineNumberX, top + n * row, at::kLineNumberWidth, row));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblnum_[static_cast<std::size_t>(n)] = number;
  }
  txtEdit_->setFont(lstMain_->font());
  txtEdit_->setEnabled(false);
  txtEdit_->setGeometry(at::kEditorParked);
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
        button->Activate();
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
