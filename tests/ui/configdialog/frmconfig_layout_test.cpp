// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog's captions and picture buttons: every caption's
// text clear of its neighbours (run at 100 % and at 200 %), the position
// lists named by their captions for assistive technology, and the close
// and "Ripristina" pictures acting on the release of any mouse button.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "frmconfig_support.h"

namespace numerina::ui::test {
namespace {

// Room a caption keeps from the control beside it: at least a space of the
// dialog's font (3 pixels of 11-pixel Arial).
constexpr int kRoom = 3;

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where a caption's letters stand in the dialog, laid out as the label lays
// them out, without the blanks at either end.
QRect TextRect(const QLabel& label) {
  const QFontMetrics fm = label.fontMetrics();
  QRect r = fm.boundingRect(label.contentsRect(), int(label.alignment()), label.text());
  const QString text = label.text();
  qsizetype lead = 0, trail = 0;
  while (lead < text.size() && text[lead] == QLatin1Char(' ')) ++lead;
  while (trail < text.size() - lead && text[text.size() - 1 - trail] == QLatin1Char(' ')) ++trail;
  r.adjust(fm.horizontalAdvance(text.left(lead)), 0, -fm.horizontalAdvance(text.right(trail)), 0);
  return r.translated(label.pos());
}

bool IsCaption(const QLabel* label) {
  // The path fields are controls with a frame, not captions.
  return label->frameShape() == QFrame::NoFrame && !label->text().trimmed().isEmpty();
}

}  // namespace

class FrmConfigLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QuietOffscreenWarnings(); }

  // No caption's letters overlap another control or caption, and beside a
  // control on the same row they keep a space's room.
  void captionsHaveRoom() {
    DialogRig rig;
    rig.folder.WriteSettings({"Info=1", "NomePos=1", "Nome=Ditta", "BannerPos=1"});
    frmConfig& d = rig.Open();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    struct Thing {
      QString name;
      QRect rect;
      bool caption;
    };
    QList<Thing> things;
    for (QWidget* w : d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isVisible() || w->objectName() == QLatin1String("txtEdit")) continue;
      auto* label = qobject_cast<QLabel*>(w);
      if (label && IsCaption(label))
        things.push_back({w->objectName(), TextRect(*label), true});
      else if (!label || !label->text().isEmpty() || label->frameShape() != QFrame::NoFrame)
        things.push_back({w->objectName(), w->geometry(), false});
    }
    QStringList faults;
    for (const Thing& a : things) {
      if (!a.caption) continue;
      if (!d.rect().contains(a.rect)) faults << a.name + QStringLiteral(" leaves the dialog");
      for (const Thing& b : things) {
        if (&a == &b) continue;
        const bool sameRow = a.rect.top() <= b.rect.bottom() && b.rect.top() <= a.rect.bottom();
        const QRect grown = sameRow ? a.rect.adjusted(-kRoom, 0, kRoom, 0) : a.rect;
        if (grown.intersects(b.rect))
          faults << QStringLiteral("%1 (%2) meets %3 (%4)")
                        .arg(a.name, Describe(a.rect), b.name, Describe(b.rect));
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  // Each position list is named by its caption, and the caption points at
  // its list, whatever place is chosen.
  void positionListsNamed() {
    DialogRig rig;
    frmConfig& d = rig.Open();
    const Controls c{d};
    const struct {
      QComboBox* list;
      const char* caption;
      QString name;
    } lists[] = {{c.cboPic(), "Label1", QStringLiteral("Posizione dell'immagine")},
                 {c.cboNome(), "Label5", QStringLiteral("Posizione del nome")}};
    for (const auto& l : lists) {
      QCOMPARE(d.findChild<QLabel*>(QString::fromLatin1(l.caption))->buddy(),
               static_cast<QWidget*>(l.list));
      for (int place : {1, 2, 0}) {
        l.list->setCurrentIndex(place);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l.list);
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), l.name);
        QCOMPARE(a->text(QAccessible::Value), l.list->currentText());
        bool labelled = false;
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
          labelled |= other->object() == d.findChild<QLabel*>(QString::fromLatin1(l.caption));
        QVERIFY(labelled);
      }
    }
  }

  // The close and "Ripristina" pictures act on the release of any mouse
  // button, over them or anywhere else; a second button pressed and
  // released while the first is held does not act on its own: the first
  // one's release acts, once.
  void picturesActOnAnyRelease_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("chord");
    for (const QString& b : {QStringLiteral("Image1"), QStringLiteral("Image2")}) {
      for (Qt::MouseButton m : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (bool inside : {true, false}) {
          const QString row = QStringLiteral("%1 %2 released %3")
                                  .arg(b)
                                  .arg(m == Qt::LeftButton    ? "left"
                                       : m == Qt::RightButton ? "right"
                                                              : "middle")
                                  .arg(inside ? "over it" : "elsewhere");
          QTest::newRow(qPrintable(row)) << b << m << inside << false;
        }
      }
      QTest::newRow(qPrintable(b + QStringLiteral(" left held, right clicked elsewhere")))
          << b << Qt::LeftButton << false << true;
    }
  }
  void picturesActOnAnyRelease() {
    QFETCH(QString, button);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(bool, inside);
    QFETCH(bool, chord);
    DialogRig rig;
    frmConfig& d = rig.Open();
    const Controls c{d};
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    // Something for "Ripristina" to undo, after its question is answered.
    c.cboNome()->setCurrentIndex(1);
    c.txtNome()->setText(QStringLiteral("Ditta"));
    const bool restore = button == QLatin1String("Image2");
    if (restore)
      rig.boxes.Expect({QStringLiteral("Vuoi ripristinare la configurazione originaria?"),
                        QStringLiteral("Numerna"), QMessageBox::Question, [] {
                          auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                          box->button(QMessageBox::Yes)->click();
                        }});
    PictureButton& picture = restore ? c.Image2() : c.Image1();
    const QPoint over(5, 5), elsewhere(-150, 40);
    const auto acted = [&] {
      return restore ? rig.boxes.AllSeen() && c.cboNome()->currentIndex() == 0 &&
                           c.txtNome()->text().isEmpty()
                     : frmConfig::Aperto() == nullptr;
    };
    QTest::mousePress(&picture, mouse, {}, over);
    QVERIFY(picture.Down());
    QVERIFY(!acted() && rig.boxes.Seen() == 0);
    if (chord) {
      QTest::mousePress(&picture, Qt::RightButton, {}, elsewhere);
      QTest::mouseRelease(&picture, Qt::RightButton, {}, elsewhere);
      QVERIFY(!acted() && rig.boxes.Seen() == 0);
      QVERIFY(picture.Down());
    }
    QTest::mouseRelease(&picture, mouse, {}, inside ? over : elsewhere);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(acted());
    rig.CheckBoxes();
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::FrmConfigLayoutTest)
#include "frmconfig_layout_test.moc"
