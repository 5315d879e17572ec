// SPDX-License-Identifier: GPL-3.0-or-later
// frmConfig: choosing the two pictures, showing their paths in labels too
// narrow for them, and refusing a picture larger than its place or not a
// picture at all.

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>

#include <optional>

#include "config/confdialog.h"
#include "config/picture.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/skin/text.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/qttranslation.h"

namespace numerina::ui {
namespace {

// The folder the open dialog starts in: the process's current folder at
// first, then the folder of the last picture chosen.
QString& LastFolder() {
  static QString folder = QDir::currentPath();
  return folder;
}

}  // namespace

void frmConfig::Command1_Click() {
  if (cboPic_->currentIndex() == 1 || cboPic_->currentIndex() == 2)
    ScegliImmagine(cboPic_->currentIndex());
}

void frmConfig::Command2_Click() { ScegliImmagine(3); }

void frmConfig::ScegliImmagine(int place) {
  QLabel* label = place == 3 ? lblPicInfo_ : lblPicture_;
  QString& path = place == 3 ? percorsoLogo_ : percorsoBanner_;
  const QString chosen = chooseFile_ ? chooseFile_(this) : ApriFileImmagine();
  // Cancelled, too large or unreadable: the choice for this place is
  // dropped (for the calculator's picture, the place goes back to none).
  if (chosen.isEmpty() || !ControllaImmagine(chosen, place)) {
    SetPicturePath(label, path, QString());
    return;
  }
  SetPicturePath(label, path, ToQString(StoredPictureName(chosen.toUtf8().toStdString())));
}

QString frmConfig::ApriFileImmagine() {
  LoadQtItalian();
  const QString chosen =
      QFileDialog::getOpenFileName(this, QStringLiteral("Apri file Immagine"), LastFolder(),
                                   QStringLiteral("File Immagine (*.bmp *.gif *.jpg)"));
  if (!chosen.isEmpty()) LastFolder() = QFileInfo(chosen).absolutePath();
  return chosen;
}

bool frmConfig::ControllaImmagine(const QString& path, int place) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  // The size from the header first: a large photograph is refused without
  // being decoded.
  QSize size = reader.size();
  std::optional<MessageCode> refusal;
  if (size.isValid() && PictureTooLarge(place, size.width(), size.height())) {
    refusal = PictureLimitOf(place)->refusal;
  } else {
    const QImage image = reader.read();
    if (image.isNull())
      refusal = MessageCode::PictureUnreadable;
    else if (PictureTooLarge(place, image.width(), image.height()))
      refusal = PictureLimitOf(place)->refusal;
  }
  if (!refusal) return true;
  ShowMessage(*this, *refusal);
  return false;
}

QString frmConfig::AccorciaTesto(QLabel* label, const QString& text) {
  label->setProperty("tag", text);
  // 97 % of the label's width, and never more than its frame leaves.
  const int room = std::min(static_cast<int>(label->width() * 0.97),
                            label->contentsRect().width() - 2 * std::max(0, label->indent()));
  const QFontMetrics metrics(label->font());
  const std::string shortened = ShortenPath(
      text.toUtf8().toStdString(),
      [&metrics](std::string_view s) {
        return static_cast<double>(metrics.horizontalAdvance(ToQString(s)));
      },
      room);
  const QString result = ToQString(shortened);
  // The full path as the tooltip when it is shortened; a path that fits
  // needs none (an earlier, longer path's tooltip would mislead).
  label->setToolTip(result != text ? text : QString());
  return result;
}

void frmConfig::SetPicturePath(QLabel* label, QString& path, const QString& value) {
  path = value;
  label->setText(value.isEmpty() ? QString() : AccorciaTesto(label, value));
  if (value.isEmpty()) {
    label->setProperty("tag", QString());
    label->setToolTip(QString());
  }
  // The calculator's picture label emptied: no picture, no place.
  if (label == lblPicture_ && value.isEmpty()) cboPic_->setCurrentIndex(0);
}

}  // namespace numerina::ui
