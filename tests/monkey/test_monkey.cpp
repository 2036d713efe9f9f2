// A seeded monkey on the main window and its dialogs. For each seed a person
// with no plan clicks enabled buttons, boxes, radio items and list rows, opens
// the menus, types hostile texts into the fields and leaves them, adds and
// removes hands, and answers every message box at random. After each action
// the evening must still hold together (see Evening::check). A failing seed is
// shrunk to a shortest list of actions that fails the same way, and printed.
//
// Every seed runs in a child process of its own, so that a crash or a
// sanitizer report is caught like any other fault and shrunk as well.
//
// Environment:
//   MONKEY_SEED=7 or 3,9   only these seeds (with MONKEY_SEEDS=n: n seeds from the first)
//   MONKEY_SEEDS=50        seeds 1..50
//   MONKEY_STEPS=5000      actions per seed
//   MONKEY_SHRINK_SECONDS  time for shrinking a failure (default 180; 0: do not shrink)
//   MONKEY_SHRINK_JOBS     replays run side by side while shrinking (default 2)
//   MONKEY_FORK=0          everything in this process (for a debugger; a crash is not shrunk)
//   MONKEY_TRACE=1         print every action as it is done
// Without them: seeds 1..4 with 3000 actions each, 1200 in a sanitizer build
// (20 to 35 s and 30 to 50 s on this project's machines, by their load).

// Mouse clicks go through the window, as a person's do: to whatever is on
// top at that point, with the focus, grabs and modality of a real click.
#define QTEST_QPA_MOUSE_HANDLING
#include "monkey.h"
#include "common/appfolders.h"
#include "common/dialogs.h"
#include "testsupport.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "common/textforms.h"
#include "correction/balancecorrection.h"
#include "ledger/extendedcount.h"
#include "ledger/ledger.h"
#include "players/declarerchange.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "shell/application.h"
#include "stats/resultswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <random>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define MONKEY_SANITIZED 1
#include <sanitizer/lsan_interface.h>
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MONKEY_SANITIZED 1
#include <sanitizer/lsan_interface.h>
#endif
#endif

#ifdef MONKEY_SANITIZED
// fontconfig keeps a pattern of its own from the first font lookup on; the
// leak check after each evening must not count it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

using namespace monkey;
using kvadus::MsgAnswer;
using kvadus::MsgButtons;

namespace {

// ---- what the person types ----------------------------------------------------

// What a careless or hostile person types into any field: nothing, far too
// much, numbers out of range or written with an exponent, the words the
// floating-point printers use, the other decimal mark, control characters,
// letters from other scripts and characters that show nothing.
const QStringList& hostileTexts() {
  static const QStringList t = {
      QString(),
      QString(3000, u'x'),
      QString(400, u'9'),
      QStringLiteral("1234567890123456789012345678901234567890"),
      QStringLiteral("123456789012345"),
      QStringLiteral("999999999"),
      QStringLiteral("1000000001"),
      QStringLiteral("1e308"),
      QStringLiteral("-1E-2"),
      QStringLiteral("1e2"),
      QStringLiteral("12,5e1"),
      QStringLiteral("-0"),
      QStringLiteral("nan"),
      QStringLiteral("NaN"),
      QStringLiteral("inf"),
      QStringLiteral("-inf"),
      QStringLiteral("12,5"),
      QStringLiteral("1.2.3"),
      QStringLiteral("1,2,3"),
      QStringLiteral("\x01\x02\t\n\r\x7f"),
      QStringLiteral("4\t"),
      QString::fromUtf8("\xc5\x98\xc4\x8d"),          // "Řč"
      QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac"),  // "日本"
      QString(QChar(0x200b)),                         // a zero-width space
      QStringLiteral("1") + QChar(0x200b) + QStringLiteral("5"),
      QString(QChar(0x0663)),                         // an Arabic-Indic three
      QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92"),  // a full-width "12"
      QChar(0x2212) + QStringLiteral("3"),            // a real minus sign
      QStringLiteral(" 7 "),
      QStringLiteral("+3"),
      QStringLiteral("-1"),
      QStringLiteral("-0,5"),
      QStringLiteral("0,005"),
      QStringLiteral("0.015"),
      QStringLiteral(","),
      QStringLiteral("."),
      QStringLiteral("-"),
      QStringLiteral("5."),
      QStringLiteral(",5"),
      QStringLiteral("0x10"),
  };
  return t;
}

const QStringList& plainNumbers() {
  static const QStringList t = {"0.1", "0.2", "0,25", "0.5",  "1",    "2", "3",  "5",
                                "10",  "0",   "1.5",  "7,25", "0.05", "4", "20", "0.3"};
  return t;
}

const QStringList& plainNames() {
  static const QStringList t = {"Ja",     "Franta", "Pepa", "Karel", "Zdenek",      "Ondra",
                                "  Ja  ", "ja",     "a;b",  ";",     "Vasek Novak", "Eva"};
  return t;
}

// ---- the person answering the boxes -------------------------------------------

struct Box {
  QString caption;
  QString text;
  MsgButtons buttons;
  MsgAnswer answer;
};

// Answers from the bits of the action being done, and keeps what was shown.
struct Person {
  quint32 answers = 0xffffffffu;
  int used = 0;
  QList<Box> boxes;
  QStringList opened;

  void beginAction(quint32 bits) {
    answers = bits;
    used = 0;
    boxes.clear();
    opened.clear();
  }
  bool affirmative() { return (answers >> (used++ % 32)) & 1u; }
};
Person person;

void installPerson() {
  kvadus::setMessageResponder([](const QString& caption, const QString& text, MsgButtons b) {
    MsgAnswer a = MsgAnswer::Ok;
    if (b == MsgButtons::YesNo) a = person.affirmative() ? MsgAnswer::Yes : MsgAnswer::No;
    else if (b == MsgButtons::OkCancel) a = person.affirmative() ? MsgAnswer::Ok : MsgAnswer::Cancel;
    person.boxes.append({caption, text, b, a});
    return a;
  });
  kvadus::setDocumentOpener([](const QString& path) {
    person.opened << path;
    return person.affirmative();
  });
  // File dialogs pick a file of the working folder, print dialogs print to a
  // PDF file there; or the person cancels.
  kvadus::setDialogResponder([](QDialog* d) {
    if (!person.affirmative()) return int(QDialog::Rejected);
    if (auto* f = qobject_cast<QFileDialog*>(d)) {
      f->selectFile(QDir::current().filePath(QStringLiteral("hry/monkey.kvd")));
      return int(QDialog::Accepted);
    }
    if (auto* p = qobject_cast<QPrintDialog*>(d)) {
      p->printer()->setOutputFormat(QPrinter::PdfFormat);
      p->printer()->setOutputFileName(QDir::current().filePath(QStringLiteral("monkey.pdf")));
      return int(QDialog::Accepted);
    }
    return int(QDialog::Rejected);
  });
}

QString answerName(MsgAnswer a) {
  switch (a) {
    case MsgAnswer::Ok:
      return QStringLiteral("OK");
    case MsgAnswer::Yes:
      return QStringLiteral("Ano");
    case MsgAnswer::No:
      return QStringLiteral("Ne");
    case MsgAnswer::Cancel:
      return QStringLiteral("Storno");
  }
  return QString();
}

// ---- the windows and their controls ---------------------------------------------

QList<QPair<QString, QWidget*>> windows() {
  return {{QStringLiteral("FRMMain"), FRMMain},
          {QStringLiteral("FORMZadaniHracu"), FORMZadaniHracu},
          {QStringLiteral("FRMZmenaVolice"), FRMZmenaVolice},
          {QStringLiteral("FORMDiskoveOperace"), FORMDiskoveOperace},
          {QStringLiteral("FRMUpravaStavu"), FRMUpravaStavu},
          {QStringLiteral("FRMGrafika"), FRMGrafika}};
}

QWidget* windowNamed(const QString& name) {
  for (const auto& [n, w] : windows())
    if (n == name) return w;
  return nullptr;
}

// "Window/objectName" (or "Window" alone) to the object.
QObject* resolve(const QString& target) {
  const qsizetype slash = target.indexOf(u'/');
  QWidget* w = windowNamed(slash < 0 ? target : target.left(slash));
  if (!w || slash < 0) return w;
  return w->findChild<QObject*>(target.mid(slash + 1));
}

bool trace() { return qEnvironmentVariableIntValue("MONKEY_TRACE") != 0; }

bool usable(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

// A person clicks into a window before using it.
void activate(QWidget* window) {
  if (QApplication::activeWindow() == window) return;
  window->activateWindow();
  QCoreApplication::processEvents();
}

void clickButton(QAbstractButton* b) {
  QPoint at = b->rect().center();
  // Boxes and radio items react on their indicator and caption only.
  if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
    at = QPoint(std::min(8, b->width() / 2), b->height() / 2);
  QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, at);
}

void clickItem(QListWidget* list, int row, Qt::KeyboardModifiers keys) {
  QPoint at(2, list->viewport()->height() - 2);  // beside the items, at the bottom
  if (row >= 0) {
    list->scrollToItem(list->item(row));
    const QRect item = list->visualItemRect(list->item(row));
    at = QPoint(item.left() + std::min(8, item.width() / 2), item.center().y());  // long names run far right
  }
  QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, at);
}

bool isNumberField(const QLineEdit* e) {
  return e == FRMMain->EDITCelkemCena || FRMMain->decimalSettings().contains(const_cast<QLineEdit*>(e));
}

const QList<QPair<QString, Qt::Key>>& listKeys() {
  static const QList<QPair<QString, Qt::Key>> k = {{"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
                                                   {"Home", Qt::Key_Home},   {"End", Qt::Key_End},
                                                   {"Space", Qt::Key_Space}, {"PageDown", Qt::Key_PageDown}};
  return k;
}

// The button that pops up a menu.
QPushButton* menuOpener(const QMenu* menu) {
  if (menu == FRMMain->POPMNUSmazaniVTabulceHer) return FRMMain->BUTNSmazat;
  if (menu == FORMZadaniHracu->POPMNUNovaHra) return FORMZadaniHracu->BUTNNovaHra;
  return nullptr;
}

// ---- an evening -----------------------------------------------------------------

// Every run starts from the shipped folders alone: evenings saved by an
// earlier run (another seed, or the run before a replay) must not come back.
void freshFiles() {
  QDir here = QDir::current();
  for (const QFileInfo& entry :
       here.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
    if (entry.fileName() == QLatin1String("help")) continue;
    if (entry.isDir() && !entry.isSymLink()) QDir(entry.filePath()).removeRecursively();
    else here.remove(entry.fileName());
  }
  here.mkdir(QStringLiteral("hry"));
  // Settings files written by "Auto" or "Uloz" would be applied at the next start.
  here.mkdir(QStringLiteral("nastaveni"));
  QDir(kvadus::dataFolder()).removeRecursively();  // nor the recovery copy of an earlier evening
}

// The program as it starts: the windows made, the settings file choice
// confirmed, the first showing done.
void startEvening(bool commaLocale) {
  freshFiles();
  QLocale::setDefault(commaLocale ? QLocale(QLocale::Czech, QLocale::Czechia)
                                  : QLocale(QLocale::English, QLocale::UnitedStates));
  kvadus::setTooltipsEnabled(true);
  person.beginAction(0xffffffffu);
  createWindows();
  QTimer confirm;
  confirm.setInterval(0);
  QObject::connect(&confirm, &QTimer::timeout, [&] {
    if (FRMFileSelect->isVisible()) {
      FRMFileSelect->BUTNOk->click();
      confirm.stop();
    }
  });
  confirm.start();
  FRMMain->show();
  QElapsedTimer waited;
  waited.start();
  while (FRMMain->flags.firstShowing && waited.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  confirm.stop();
  activate(FRMMain);
}

void endEvening() {
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  destroyWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Fault {
  QString id;
  QString detail;
  bool ok() const { return id.isEmpty(); }
};

// What the person does and what the evening must keep, action after action.
class Evening {
 public:
  // Does the action; false when it cannot be done now (its control is
  // hidden, disabled or gone), which is no fault: a shrunk list skips it.
  bool perform(const Action& a);
  // The first broken rule after the action, if any.
  Fault check();
  void noteNames();
  // The first rule broken while the modal dialog of the last action was open.
  Fault takeDialogFault() { return std::exchange(dialogFault_, Fault{}); }

 private:
  bool type(QLineEdit* field, const Action& a);
  bool declarerDialog(const Action& a);
  void dialogStep(const QString& step);
  QSet<QString> names_;
  Fault dialogFault_;
};

bool Evening::perform(const Action& a) {
  QObject* obj = resolve(a.target);
  switch (a.kind) {
    case Kind::Click: {
      auto* b = qobject_cast<QAbstractButton*>(obj);
      if (!usable(b)) return false;
      activate(b->window());
      int clicks = 0;
      auto c = QObject::connect(b, &QAbstractButton::clicked, [&] { ++clicks; });
      clickButton(b);
      QObject::disconnect(c);
      // A refused number takes the focus back while the button is pressed: no click.
      if (trace() && clicks == 0) std::printf("          (the click did not take)\n");
      return true;
    }
    case Kind::List: {
      auto* list = qobject_cast<QListWidget*>(obj);
      if (!usable(list) || a.n >= list->count()) return false;
      activate(list->window());
      clickItem(list, a.n, a.text == QLatin1String("ctrl") ? Qt::ControlModifier : Qt::NoModifier);
      return true;
    }
    case Kind::Cell: {
      auto* table = qobject_cast<QTableWidget*>(obj);
      const int column = a.text.section(u' ', 0, 0).toInt();
      if (!usable(table) || a.n >= table->rowCount() || column >= table->columnCount()) return false;
      const QModelIndex cell = table->model()->index(a.n, column);
      table->scrollTo(cell);
      const QRect at = table->visualRect(cell);
      if (at.isEmpty()) return false;  // a hidden row
      activate(table->window());
      QTest::mouseClick(table->viewport(), Qt::LeftButton,
                        a.text.endsWith(QLatin1String("ctrl")) ? Qt::ControlModifier : Qt::NoModifier,
                        QPoint(at.left() + std::min(8, at.width() / 2), at.center().y()));
      return true;
    }
    case Kind::Key: {
      auto* list = qobject_cast<QListWidget*>(obj);
      if (!usable(list)) return false;
      activate(list->window());
      list->setFocus(Qt::TabFocusReason);
      for (const auto& [name, key] : listKeys())
        if (name == a.text) QTest::keyClick(list, key);
      return true;
    }
    case Kind::Type: {
      auto* field = qobject_cast<QLineEdit*>(obj);
      if (!usable(field) || field->isReadOnly() || !(field->focusPolicy() & Qt::ClickFocus)) return false;
      return type(field, a);
    }
    case Kind::Menu: {
      auto* action = qobject_cast<QAction*>(obj);
      auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
      QPushButton* opener = menu ? menuOpener(menu) : nullptr;
      if (!usable(opener)) return false;
      activate(opener->window());
      clickButton(opener);
      QCoreApplication::processEvents();
      if (!menu->isVisible()) return true;  // the click went elsewhere
      if (a.n == 1 || !action->isEnabled()) QTest::keyClick(menu, Qt::Key_Escape);
      else QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
      if (menu->isVisible()) menu->close();
      return true;
    }
    case Kind::Step: {
      auto* updown = qobject_cast<kvadus::UpDown*>(obj);
      if (!usable(updown)) return false;
      QToolButton* arrow = a.n == 0 ? updown->upButton() : updown->downButton();
      if (!usable(arrow)) return false;
      activate(updown->window());
      QTest::mouseClick(arrow, Qt::LeftButton);
      return true;
    }
    case Kind::Tab: {
      auto* tabs = qobject_cast<QTabWidget*>(obj);
      if (!usable(tabs) || a.n >= tabs->count() || !tabs->isTabEnabled(a.n)) return false;
      activate(tabs->window());
      const QRect at = tabs->tabBar()->tabRect(a.n);
      if (at.isEmpty()) tabs->setCurrentIndex(a.n);
      else QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, at.center());
      return true;
    }
    case Kind::Declarer:
      return declarerDialog(a);
    case Kind::Window: {
      QWidget* w = windowNamed(a.target);
      if (!w || !w->isVisible() || (w == FRMMain && a.n != 0)) return false;
      activate(w);
      if (a.n == 1) w->close();
      if (a.n == 2) QTest::keyClick(w, Qt::Key_Escape);
      return true;
    }
  }
  return false;
}

// Into the field, all of it replaced by the text (as pasted: control
// characters too), then out of it the chosen way.
bool Evening::type(QLineEdit* field, const Action& a) {
  QWidget* window = field->window();
  activate(window);
  field->setFocus(Qt::MouseFocusReason);
  // A field whose number was refused may take the focus straight back; the
  // person then types where the focus is.
  auto* where = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (!where || where->isReadOnly() || where->window() != window) where = field;
  where->selectAll();
  where->insert(a.text);
  switch (a.n) {
    case LeaveByTab:
      if (QWidget* f = QApplication::focusWidget()) QTest::keyClick(f, Qt::Key_Tab);
      break;
    case LeaveByClickElsewhere:
      for (QWidget* w = where->nextInFocusChain(); w && w != where; w = w->nextInFocusChain())
        if (w->window() == window && usable(w) && (w->focusPolicy() & Qt::ClickFocus) && !qobject_cast<QLineEdit*>(w)) {
          w->setFocus(Qt::MouseFocusReason);
          break;
        }
      break;
    case LeaveByHandler:
      if (isNumberField(where)) FRMMain->BUTNKontrolaCislaClick();
      else if (where == FORMZadaniHracu->EDITJmenoHrace) FORMZadaniHracu->EDITJmenoHraceExit();
      break;
    default:
      break;
  }
  return true;
}

// "  volic >>" runs the dialog modally; its steps are done while it is open.
bool Evening::declarerDialog(const Action& a) {
  QPushButton* opener = FRMMain->BUTNZmenaVolice;
  if (!usable(opener)) return false;
  activate(FRMMain);
  QTimer inside;
  inside.setInterval(0);
  QObject::connect(&inside, &QTimer::timeout, [&] {
    if (!FRMZmenaVolice->isVisible()) return;  // not open yet: wait for it
    inside.stop();
    for (const QString& s : a.text.split(u' ', Qt::SkipEmptyParts)) {
      if (!FRMZmenaVolice->isVisible()) break;
      dialogStep(s);
      // A pick takes effect in the main window at once: it must hold there too.
      if (dialogFault_.ok()) {
        dialogFault_ = check();
        if (!dialogFault_.ok())
          dialogFault_.detail =
              QStringLiteral("with the dialog open after \"") + s + QStringLiteral("\": ") + dialogFault_.detail;
      }
    }
    if (FRMZmenaVolice->isVisible()) FRMZmenaVolice->reject();
  });
  inside.start();
  clickButton(opener);
  inside.stop();
  return true;
}

void Evening::dialogStep(const QString& s) {
  TFRMZmenaVolice* d = FRMZmenaVolice;
  QListWidget* list = d->LBOXSeznamHracu;
  const int row = s.mid(1).toInt();
  switch (s.at(0).unicode()) {
    case 'p':
    case 'c':
      if (row < list->count()) clickItem(list, row, s.at(0) == u'c' ? Qt::ControlModifier : Qt::NoModifier);
      break;
    case 'o':
      if (usable(d->BUTNPuvodni)) clickButton(d->BUTNPuvodni);
      break;
    case 'd':
    case 'u':
      list->setFocus(Qt::TabFocusReason);
      QTest::keyClick(list, s.at(0) == u'd' ? Qt::Key_Down : Qt::Key_Up);
      break;
    case 'x':
      if (usable(d->BUTNCancel)) clickButton(d->BUTNCancel);
      break;
    case 'e':
      QTest::keyClick(d, Qt::Key_Escape);
      break;
    case 'w':
      d->close();
      break;
  }
}

void Evening::noteNames() {
  for (const QListWidget* l : {FRMMain->LIBXHraci, FORMZadaniHracu->LBOXSeznamHracu})
    for (int i = 0; i < l->count(); ++i)
      if (!l->item(i)->text().isEmpty()) names_.insert(l->item(i)->text());
}

QString cellText(int row, int column) {
  const QTableWidgetItem* item = FRMMain->STGOutput->item(row, column);
  return item ? item->text() : QString();
}

Fault Evening::check() {
  TFRMMain* m = FRMMain;
  // 1. No error went to the handlers' trap or the internal error report.
  for (const Box& b : person.boxes) {
    if (b.caption == qApp->applicationDisplayName() ||
        b.text.startsWith(QLatin1String("V aplikaci nastala neocekavana chyba")))
      return {QStringLiteral("unexpected-error"), quoted(b.caption) + QStringLiteral(": ") + quoted(b.text)};
    if (b.caption == QLatin1String("Interni chyba")) return {QStringLiteral("internal-error"), quoted(b.text)};
  }

  // 2. A game always has its declarer.
  const int n = m->playerCount();
  const int declarer = m->declarerIndex();
  if (n > 0 && (declarer < 0 || declarer >= n || m->LIBXHraci->currentRow() < 0))
    return {
        QStringLiteral("no-declarer"),
        QStringLiteral("%1 players, selected %2, current row %3").arg(n).arg(declarer).arg(m->LIBXHraci->currentRow())};

  // 3. The sum row adds up the hands, column by column.
  const int rows = m->STGOutput->rowCount();
  const int columns = m->STGOutput->columnCount();
  if (n > 0 && (columns < n || rows < 2))
    return {QStringLiteral("table-shape"), QStringLiteral("%1 players, %2 x %3 table").arg(n).arg(columns).arg(rows)};
  static const QRegularExpression money(QStringLiteral("^ *[+-][0-9]+\\.[0-9]{2}$"));
  for (int c = 0; c < n; ++c) {
    double sum = 0;
    for (int r = 1; r < rows - 1; ++r) {
      const QString t = cellText(r, c);
      if (!money.match(t).hasMatch())
        return {QStringLiteral("money-cell"),
                QStringLiteral("row %1, column %2 holds %3").arg(r).arg(c).arg(quoted(t))};
      sum += kvadus::lenientNumber(kvadus::normalizeDecimalMark(t));
    }
    const QString expected = kvadus::signedMoneyText(sum);
    if (cellText(rows - 1, c) != expected)
      return {QStringLiteral("sum-row"), QStringLiteral("column %1 shows %2, its hands add up to %3")
                                             .arg(c)
                                             .arg(quoted(cellText(rows - 1, c)), quoted(expected))};
  }

  // 4. Nothing shows "nan", "inf" or a number with an exponent. The names
  //    are the players' own business and are left out of the descriptions.
  static const QRegularExpression bad(QStringLiteral("\\b(nan|inf|infinity)\\b|[0-9][eE][+-]?[0-9]"),
                                      QRegularExpression::CaseInsensitiveOption);
  QStringList longestFirst(names_.begin(), names_.end());
  std::sort(longestFirst.begin(), longestFirst.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
  for (int r = 1; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      QString t = cellText(r, c);
      if (c >= n)
        for (const QString& name : longestFirst) t.replace(name, QStringLiteral("#"));
      if (bad.match(t).hasMatch())
        return {QStringLiteral("nan-inf-exponent"),
                QStringLiteral("STGOutput row %1, column %2: %3").arg(r).arg(c).arg(quoted(cellText(r, c)))};
    }
  QList<QPair<QString, QString>> shown = {{"LABLScoreCelkom", m->LABLScoreCelkom->text()},
                                          {"LABLCenaProProtihrace", m->LABLCenaProProtihrace->text()},
                                          {"LABLPauzirujiciCelkem", m->LABLPauzirujiciCelkem->text()}};
  // The price field shows the program's price unless the person has typed
  // into it (it is editable and holds other text than the last price): a
  // refused text stays there for him to correct.
  const bool typedThere = !m->EDITCelkemCena->isReadOnly() && m->EDITCelkemCena->text() != m->lastPricedText;
  if (!typedThere) shown.prepend({"EDITCelkemCena", m->EDITCelkemCena->text()});
  for (const auto& [name, text] : shown)
    if (bad.match(text).hasMatch())
      return {QStringLiteral("nan-inf-exponent"), name + QStringLiteral(": ") + quoted(text)};

  // 5. Markers, counters and the hand count follow the table.
  if (m->LSTBXOznaceniVolice->count() != n)
    return {QStringLiteral("markers"),
            QStringLiteral("%1 markers for %2 players").arg(m->LSTBXOznaceniVolice->count()).arg(n)};
  if (m->LSTBXOznaceniVolice->verticalScrollBar()->value() != m->LIBXHraci->verticalScrollBar()->value())
    return {QStringLiteral("markers-out-of-line"), QStringLiteral("markers scrolled to %1, names to %2")
                                                       .arg(m->LSTBXOznaceniVolice->verticalScrollBar()->value())
                                                       .arg(m->LIBXHraci->verticalScrollBar()->value())};
  if (m->LABLPocetHer->text() != kvadus::ledger::handCountText(rows))
    return {QStringLiteral("hand-count"), quoted(m->LABLPocetHer->text()) + QStringLiteral(" for %1 rows").arg(rows)};
  for (auto [count, updown] :
       {qMakePair(m->EDITFlekHraCount, m->UPDNHraFlekCount), qMakePair(m->EDITFlekSedmaCount, m->UPDNHraSedmaCount)})
    if (count->text() != QString::number(updown->position()))
      return {QStringLiteral("flek-count"), updown->objectName() + QStringLiteral(" at %1, ").arg(updown->position()) +
                                                count->objectName() + QStringLiteral(" shows ") +
                                                quoted(count->text())};

  // 6. The quick selection: one group chosen at most, a direct amount only
  //    in the direct amount mode and no other item in it, and the red boxes in step with "cervene"
  //    (hidden ones unticked).
  QStringList chosen;
  for (const kvadus::RadioGroup* g : m->quickGroups())
    if (g->itemIndex() >= 0) chosen << g->objectName();
  if (chosen.size() > 1) return {QStringLiteral("quick-exclusive"), chosen.join(u' ')};
  const bool directChosen =
      m->RAGRPrimaUpravaStavuVyhrane->itemIndex() >= 0 || m->RAGRPrimaUpravaStavuProhrane->itemIndex() >= 0;
  if (directChosen && !m->flags.directAmountMode)
    return {QStringLiteral("quick-direct"), chosen.join(u' ') + QStringLiteral(" without the direct amount mode")};
  if (!chosen.isEmpty() && !directChosen && m->flags.directAmountMode)
    return {QStringLiteral("quick-direct"), chosen.join(u' ') + QStringLiteral(" priced as a direct amount")};
  const bool hidden = m->CHBXCerveneVlevo->isHidden();
  const bool red = !hidden && m->CKBXCervene->isChecked();
  if (m->CHBXCerveneVpravo->isHidden() != hidden || m->CHBXCerveneVlevo->isChecked() != red ||
      m->CHBXCerveneVpravo->isChecked() != red)
    return {QStringLiteral("red-boxes"), QStringLiteral("cervene %1, boxes %2 %3%4")
                                             .arg(m->CKBXCervene->isChecked())
                                             .arg(m->CHBXCerveneVpravo->isChecked())
                                             .arg(m->CHBXCerveneVlevo->isChecked())
                                             .arg(hidden ? QStringLiteral(" (hidden)") : QString())};

  // 7. The extended entry: the switch, its mirror and the controls agree;
  //    while it is on, "Uhrano" and "Proti" hold its totals and the red
  //    game follows the trumps.
  const bool on = m->CHBXRozsirenePocitaniBodu->isChecked();
  if (m->GRPBXHlasky->isHidden() == on || m->RAGRBodyVeHreProti->isHidden() == on || m->CKBXCervene->isHidden() != on ||
      m->BUTNRozsireneOvladani->text() != QLatin1String(on ? "<-" : "->"))
    return {QStringLiteral("extended-switch"),
            QStringLiteral("box %1, melds shown %2").arg(on).arg(!m->GRPBXHlasky->isHidden())};
  if (on && !m->flags.directAmountMode) {
    kvadus::extended::Input in{m->RAGRBodyVeHreUhrano->itemIndex(),
                               m->RAGRBodyVeHreProti->itemIndex(),
                               {},
                               m->RAGRTrumfy->itemIndex(),
                               m->CKBXStovka->isChecked(),
                               m->CKBXStovkaProti->isChecked(),
                               m->CHBXTrumfovaHlaskaUhranaPrvni->isChecked(),
                               m->RAGRPocitaniHlasekUStovky->itemIndex(),
                               m->CHBXProhranychStoPocitatIHlasky->isChecked()};
    for (int s = 0; s < 4; ++s) {
      in.melds.declarer[s] = m->findChild<QCheckBox*>(QStringLiteral("CHBXHlaskyHlaska%1").arg(s))->isChecked();
      in.melds.defenders[s] = m->findChild<QCheckBox*>(QStringLiteral("CHBXHlaskyHlaska%1Proti").arg(s))->isChecked();
    }
    const kvadus::extended::Totals t = kvadus::extended::totals(in);
    if (t.declarer != m->RAGRUhrano->itemIndex() || t.defenders != m->RAGRProti->itemIndex())
      return {QStringLiteral("extended-totals"), QStringLiteral("totals %1/%2, selected %3/%4")
                                                     .arg(t.declarer)
                                                     .arg(t.defenders)
                                                     .arg(m->RAGRUhrano->itemIndex())
                                                     .arg(m->RAGRProti->itemIndex())};
    const int type = m->RAGRTypHry->itemIndex();
    if ((type == 0 || type == 3) && m->CKBXCervene->isChecked() != (in.trump == 0))
      return {QStringLiteral("red-trumps"),
              QStringLiteral("trumps %1, red %2").arg(in.trump).arg(m->CKBXCervene->isChecked())};
  }
  return {};
}

// ---- choosing the next action -----------------------------------------------------

class Chooser {
 public:
  explicit Chooser(quint64 seed) : rng_(seed) {}
  Action next();

 private:
  int below(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<quint64>(n)); }
  bool chance(int percent) { return below(100) < percent; }
  template <typename T>
  const T& any(const QList<T>& list) {
    return list.at(below(static_cast<int>(list.size())));
  }
  QString textFor(const QLineEdit* field);
  QString dialogSteps();
  std::mt19937_64 rng_;
};

QString Chooser::textFor(const QLineEdit* field) {
  const bool hostile = chance(50);
  // File names stay inside the working folder: hostile texts lose their
  // separators and become names there.
  if (field == FORMDiskoveOperace->EDITFileName) {
    if (hostile) return QString(any(hostileTexts())).remove(u'/').remove(u'\\').replace(u'.', u'_').left(60);
    return any(QStringList{"hry/vecer.kvd", "hry", "hry/", "hry/nove/vecer.kvd", "help", "vecer.txt"});
  }
  if (hostile) return any(hostileTexts());
  if (field == FORMZadaniHracu->EDITJmenoHrace) return any(plainNames());
  if (isNumberField(field) || field == FRMUpravaStavu->EDITNovePenize) return any(plainNumbers());
  return QStringLiteral("hry/vecer.kvd");
}

QString Chooser::dialogSteps() {
  const int players = std::max(1, FRMMain->playerCount());
  QStringList steps;
  for (int i = below(4); i >= 0; --i) {
    switch (below(5)) {
      case 0:
      case 1:
        steps << QStringLiteral("p%1").arg(below(players));
        break;
      case 2:
        steps << QStringLiteral("c%1").arg(below(players));
        break;
      case 3:
        steps << QStringLiteral("o");
        break;
      default:
        steps << (chance(50) ? QStringLiteral("d") : QStringLiteral("u"));
    }
  }
  steps << any(QStringList{"x", "x", "e", "w"});
  return steps.join(u' ');
}

Action Chooser::next() {
  // Every usable control of the open windows, by the kind of thing done to it.
  enum Category { Push, Add, Check, Radio, List, Key, Type, Menu, Step, Tab, Dialog, Win, kCategories };
  static const int weights[kCategories] = {22, 12, 12, 16, 10, 3, 18, 5, 5, 5, 2, 3};
  QList<Action> options[kCategories];

  for (const auto& [wname, w] : windows()) {
    if (!w->isVisible()) continue;
    const QString prefix = wname + u'/';
    QHash<QString, int> named;
    for (const QObject* o : w->findChildren<QObject*>()) ++named[o->objectName()];
    auto unique = [&](const QObject* o) { return !o->objectName().isEmpty() && named.value(o->objectName()) == 1; };
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
      if (!usable(b) || !unique(b)) continue;
      const QString name = b->objectName();
      // "Konec" ends the program; menus and the modal dialog have their own actions.
      if (name == QLatin1String("BUTNKonec") || b == FRMMain->BUTNZmenaVolice || b == FRMMain->BUTNSmazat ||
          b == FORMZadaniHracu->BUTNNovaHra)
        continue;
      Category c = qobject_cast<QCheckBox*>(b) ? Check : qobject_cast<QRadioButton*>(b) ? Radio : Push;
      if (b == FRMMain->BUTNPridejSkore || b == FRMMain->BUTNPridatDolni) c = Add;
      options[c].append({Kind::Click, prefix + name, QString()});
    }
    for (QListWidget* l : w->findChildren<QListWidget*>()) {
      if (!usable(l) || !unique(l) || l->count() == 0 || l->selectionMode() == QAbstractItemView::NoSelection) continue;
      options[List].append({Kind::List, prefix + l->objectName(), chance(12) ? "ctrl" : "", below(l->count() + 1) - 1});
      options[Key].append({Kind::Key, prefix + l->objectName(), any(listKeys()).first});
    }
    for (QTableWidget* t : w->findChildren<QTableWidget*>())
      if (usable(t) && unique(t) && t->rowCount() > 1 && t->columnCount() > 0)
        options[List].append({Kind::Cell, prefix + t->objectName(),
                              QString::number(below(t->columnCount())) + (chance(12) ? " ctrl" : ""),
                              1 + below(t->rowCount() - 1)});  // row 0, the names, is hidden
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
      if (!usable(e) || !unique(e) || e->isReadOnly() || !(e->focusPolicy() & Qt::ClickFocus)) continue;
      // The tariff and the price are what the hunt is about: they come up more often.
      for (int times = isNumberField(e) ? 3 : 1; times > 0; --times)
        options[Type].append({Kind::Type, prefix + e->objectName(), textFor(e), below(4)});
    }
    for (QTabWidget* t : w->findChildren<QTabWidget*>())
      if (usable(t) && unique(t) && t->count() > 1)
        options[Tab].append({Kind::Tab, prefix + t->objectName(), QString(), below(static_cast<int>(t->count()))});
    if (w != FRMMain) {
      options[Win].append({Kind::Window, wname, QString(), 1 + below(2)});
    } else if (QApplication::activeWindow() != w) {
      options[Win].append({Kind::Window, wname, QString(), 0});
    }
  }
  for (QMenu* menu : {FRMMain->POPMNUSmazaniVTabulceHer, FORMZadaniHracu->POPMNUNovaHra})
    if (usable(menuOpener(menu)))
      for (QAction* act : menu->actions())
        if (act->isEnabled())
          options[Menu].append({Kind::Menu, menuOpener(menu)->window()->objectName() + u'/' + act->objectName(),
                                QString(), chance(10) ? 1 : 0});
  for (kvadus::UpDown* u : {FRMMain->UPDNHraFlekCount, FRMMain->UPDNHraSedmaCount})
    if (usable(u))
      options[Step].append({Kind::Step, QStringLiteral("FRMMain/") + u->objectName(), QString(), chance(60) ? 0 : 1});
  if (usable(FRMMain->BUTNZmenaVolice))
    options[Dialog].append({Kind::Declarer, QStringLiteral("FRMMain/BUTNZmenaVolice"), dialogSteps()});

  int total = 0;
  for (int c = 0; c < kCategories; ++c)
    if (!options[c].isEmpty()) total += weights[c];
  int roll = below(total);
  Action chosen{Kind::Window, QStringLiteral("FRMMain"), QString()};
  for (int c = 0; c < kCategories; ++c) {
    if (options[c].isEmpty()) continue;
    if (roll < weights[c]) {
      chosen = any(options[c]);
      break;
    }
    roll -= weights[c];
  }
  // Points as a hand ends: often adding up to 90, 110 or 130, so that the
  // points check lets the hand be added.
  for (kvadus::RadioGroup* g : {FRMMain->RAGRUhrano, FRMMain->RAGRProti}) {
    const QString prefix = QStringLiteral("FRMMain/") + g->objectName() + QStringLiteral("_item");
    if (chosen.kind == Kind::Click && chosen.target.startsWith(prefix) && chance(50)) {
      const kvadus::RadioGroup* other = g == FRMMain->RAGRUhrano ? FRMMain->RAGRProti : FRMMain->RAGRUhrano;
      const int item = 9 + 2 * below(3) - std::max(0, other->itemIndex());
      if (item >= 0 && item < g->count()) chosen.target = prefix + QString::number(item);
    }
  }
  chosen.answers = static_cast<quint32>(rng_());
  return chosen;
}

// ---- running, replaying, isolating -------------------------------------------------

struct Outcome {
  QString id;  // empty: every action passed
  QString detail;
  int step = -1;
  QList<int> skipped;  // actions that could not be done
};

// Where a run reports its actions and its outcome: the parent's pipe, or a
// list in this process.
struct Channel {
  int fd = -1;
  std::vector<Action>* local = nullptr;
  void action(const Action& a) {
    if (local) local->push_back(a);
    else send("A\t" + encode(a));
  }
  void send(const QByteArray& line) {
    QByteArray data = line + '\n';
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
      const ssize_t w = ::write(fd, p, static_cast<size_t>(left));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return;
      p += w;
      left -= w;
    }
  }
};

void printBoxes() {
  for (const Box& b : person.boxes)
    std::printf("          box %s: %s -> %s\n", qPrintable(quoted(b.caption)), qPrintable(quoted(b.text)),
                qPrintable(answerName(b.answer)));
  for (const QString& p : person.opened) std::printf("          document %s opened\n", qPrintable(quoted(p)));
}

// Does one action and checks the evening after it.
Fault step(Evening& evening, const Action& a, bool* done) {
  person.beginAction(a.answers);
  try {
    *done = evening.perform(a);
  } catch (const std::exception& e) {
    return {QStringLiteral("exception"), QString::fromLocal8Bit(e.what())};
  }
  QCoreApplication::processEvents();
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  evening.noteNames();
  const Fault inside = evening.takeDialogFault();
  return inside.ok() ? evening.check() : inside;
}

// The windows are destroyed at the end; a sanitizer build then looks for leaks.
Fault closeEvening() {
  endEvening();
#ifdef MONKEY_SANITIZED
  if (__lsan_do_recoverable_leak_check() != 0)
    return {QStringLiteral("leak"), QStringLiteral("LeakSanitizer found memory that the windows never gave back")};
#endif
  return {};
}

Outcome runSeed(quint64 seed, int steps, Channel& channel) {
  startEvening(seed % 2 == 1);
  Evening evening;
  Chooser chooser(seed);
  for (int i = 0; i < steps; ++i) {
    const Action a = chooser.next();
    channel.action(a);
    if (trace()) std::printf("%5d  %s\n", i + 1, qPrintable(describe(a))), std::fflush(stdout);
    bool done = false;
    const Fault f = step(evening, a, &done);
    if (trace()) {
      if (!done) std::printf("          (not possible: skipped)\n");
      std::printf("          [%d players, %d rows, focus %s]\n", FRMMain->playerCount(), FRMMain->STGOutput->rowCount(),
                  QApplication::focusWidget() ? qPrintable(QApplication::focusWidget()->objectName()) : "-");
      printBoxes();
      std::fflush(stdout);
    }
    if (!f.ok()) return {f.id, f.detail, i, {}};
  }
  const Fault f = closeEvening();
  return {f.id, f.detail, f.ok() ? -1 : steps, {}};
}

Outcome replay(const std::vector<Action>& actions, bool commaLocale, bool verbose) {
  startEvening(commaLocale);
  Evening evening;
  QList<int> skipped;
  for (size_t i = 0; i < actions.size(); ++i) {
    bool done = false;
    const Fault f = step(evening, actions[i], &done);
    if (!done) skipped << static_cast<int>(i);
    if (verbose) {
      std::printf("   %3zu  %s%s\n", i + 1, qPrintable(describe(actions[i])), done ? "" : "   (not possible: skipped)");
      printBoxes();
    }
    if (!f.ok()) return {f.id, f.detail, static_cast<int>(i), skipped};
  }
  const Fault f = closeEvening();
  return {f.id, f.detail, f.ok() ? -1 : static_cast<int>(actions.size()), skipped};
}

bool forking() { return qEnvironmentVariable("MONKEY_FORK", QStringLiteral("1")) != QLatin1String("0"); }

// A run in a child process of its own: its pipe, what it reported so far.
struct Child {
  pid_t pid = -1;
  int fd = -1;
  QByteArray buffer;
  std::vector<Action>* actions = nullptr;
  Outcome outcome;
  bool reported = false;
  bool timedOut = false;
};

void startChild(Child& c, const std::function<Outcome(Channel&)>& body, bool quiet) {
  std::fflush(stdout);
  std::fflush(stderr);
  int fds[2];
  if (::pipe(fds) != 0) return;
  c.pid = ::fork();
  if (c.pid < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return;
  }
  if (c.pid == 0) {
    ::close(fds[0]);
    if (quiet) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 1);
      ::dup2(null, 2);
    }
    Channel channel{fds[1]};
    const Outcome o = body(channel);
    QByteArrayList skipped;
    for (int i : o.skipped) skipped << QByteArray::number(i);
    channel.send("R\t" + o.id.toUtf8().toPercentEncoding() + '\t' + QByteArray::number(o.step) + '\t' +
                 o.detail.toUtf8().toPercentEncoding() + '\t' + skipped.join(','));
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(0);
  }
  ::close(fds[1]);
  c.fd = fds[0];
}

void takeLines(Child& c) {
  qsizetype nl;
  while ((nl = c.buffer.indexOf('\n')) >= 0) {
    const QByteArray line = c.buffer.left(nl);
    c.buffer.remove(0, nl + 1);
    if (line.startsWith("A\t")) {
      Action a;
      if (c.actions && decode(line.mid(2), &a)) c.actions->push_back(a);
    } else if (line.startsWith("R\t")) {
      const QList<QByteArray> f = line.split('\t');
      if (f.size() == 5) {
        c.outcome.id = QString::fromUtf8(QByteArray::fromPercentEncoding(f[1]));
        c.outcome.step = f[2].toInt();
        c.outcome.detail = QString::fromUtf8(QByteArray::fromPercentEncoding(f[3]));
        for (const QByteArray& i : f[4].split(','))
          if (!i.isEmpty()) c.outcome.skipped << i.toInt();
        c.reported = true;
      }
    }
  }
}

// Reads the children until their pipes close; those still running after the
// time given are killed. Then each child's outcome: what it reported, or,
// when it died or hung in the middle, a fault of that kind at the last
// action it reported.
std::vector<Outcome> finishChildren(std::vector<Child>& children, int timeoutSeconds) {
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    std::vector<pollfd> open;
    for (const Child& c : children)
      if (c.fd >= 0) open.push_back({c.fd, POLLIN, 0});
    if (open.empty()) break;
    if (::poll(open.data(), open.size(), 200) > 0)
      for (const pollfd& p : open) {
        if (!(p.revents & (POLLIN | POLLHUP | POLLERR))) continue;
        Child& c = *std::find_if(children.begin(), children.end(), [&](const Child& x) { return x.fd == p.fd; });
        char chunk[65536];
        const ssize_t got = ::read(c.fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
          ::close(c.fd);
          c.fd = -1;
          continue;
        }
        c.buffer.append(chunk, got);
        takeLines(c);
      }
    if (clock.elapsed() > timeoutSeconds * 1000LL)
      for (Child& c : children)
        if (c.fd >= 0) {
          ::kill(c.pid, SIGKILL);
          ::close(c.fd);
          c.fd = -1;
          c.timedOut = true;
        }
  }
  std::vector<Outcome> out;
  for (Child& c : children) {
    int status = 0;
    if (c.pid > 0) ::waitpid(c.pid, &status, 0);
    if (c.pid > 0 && c.reported && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
      out.push_back(c.outcome);
      continue;
    }
    Outcome died;
    died.step = c.actions ? static_cast<int>(c.actions->size()) - 1 : -1;
    if (c.pid < 0) died.id = QStringLiteral("harness: no child process");
    else if (c.timedOut) died.id = QStringLiteral("hang");
    else if (WIFSIGNALED(status))
      died.id = QStringLiteral("died (signal %1: %2)")
                    .arg(WTERMSIG(status))
                    .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))));
    else died.id = QStringLiteral("died (exit %1)").arg(WEXITSTATUS(status));
    died.detail = QStringLiteral("the run ended before it reported");
    out.push_back(died);
  }
  return out;
}

// Runs the body in a child process (or here when not forking), collects the
// actions it reports and its outcome.
Outcome isolated(const std::function<Outcome(Channel&)>& body, std::vector<Action>* actions, int timeoutSeconds,
                 bool quiet) {
  if (!forking()) {
    Channel local{-1, actions};
    Outcome o = body(local);
    if (o.id != QLatin1String("leak")) endEvening();
    return o;
  }
  std::vector<Child> children(1);
  children[0].actions = actions;
  startChild(children[0], body, quiet);
  return finishChildren(children, timeoutSeconds).front();
}

// Several replays side by side, each in a child process of its own, quietly.
std::vector<Outcome> replayAll(const std::vector<std::vector<Action>>& lists, bool commaLocale, int timeoutSeconds) {
  if (!forking()) {
    std::vector<Outcome> out;
    for (const auto& l : lists)
      out.push_back(isolated([&](Channel&) { return replay(l, commaLocale, false); }, nullptr, timeoutSeconds, true));
    return out;
  }
  std::vector<Child> children(lists.size());
  for (size_t i = 0; i < lists.size(); ++i)
    startChild(
        children[i], [&, i](Channel&) { return replay(lists[i], commaLocale, false); }, true);
  return finishChildren(children, timeoutSeconds);
}

// ---- the seeds -------------------------------------------------------------------------

struct Config {
  QList<quint64> seeds;
  int steps = 0;
  int shrinkSeconds = 180;
  int shrinkJobs = 2;
};

Config configure() {
  Config c;
#ifdef MONKEY_SANITIZED
  c.steps = 1200;  // a sanitizer build runs two to four times slower
#else
  c.steps = 3000;
#endif
  if (qEnvironmentVariableIsSet("MONKEY_STEPS")) c.steps = std::max(1, qEnvironmentVariableIntValue("MONKEY_STEPS"));
  if (qEnvironmentVariableIsSet("MONKEY_SHRINK_SECONDS"))
    c.shrinkSeconds = std::max(0, qEnvironmentVariableIntValue("MONKEY_SHRINK_SECONDS"));
  if (qEnvironmentVariableIsSet("MONKEY_SHRINK_JOBS"))
    c.shrinkJobs = std::max(1, qEnvironmentVariableIntValue("MONKEY_SHRINK_JOBS"));
  const int count =
      qEnvironmentVariableIsSet("MONKEY_SEEDS") ? std::max(1, qEnvironmentVariableIntValue("MONKEY_SEEDS")) : 0;
  const QStringList given = qEnvironmentVariable("MONKEY_SEED").split(u',', Qt::SkipEmptyParts);
  for (const QString& s : given) c.seeds << s.trimmed().toULongLong();
  if (c.seeds.size() == 1 && count > 1)
    for (int i = 1; i < count; ++i) c.seeds << c.seeds.first() + static_cast<quint64>(i);
  if (c.seeds.isEmpty())
    for (int i = 1; i <= (count ? count : 4); ++i) c.seeds << static_cast<quint64>(i);
  return c;
}

// Shrinks the failing prefix of a seed's actions and prints the shortest list
// found, replayed once more with the boxes it raised.
void report(quint64 seed, const Outcome& failure, const std::vector<Action>& actions, const Config& config) {
  const bool comma = seed % 2 == 1;
  std::vector<Action> failing(
      actions.begin(), actions.begin() + std::min<qsizetype>(failure.step + 1, static_cast<qsizetype>(actions.size())));
  const int perReplay = 60 + static_cast<int>(failing.size()) / 10;
  if (config.shrinkSeconds > 0 && forking()) {
    QElapsedTimer clock;
    clock.start();
    int tried = 0;
    failing = shrink(
        failing,
        [&](const std::vector<std::vector<Action>>& lists) {
          const std::vector<Outcome> outcomes = replayAll(lists, comma, perReplay);
          std::vector<Verdict> verdicts;
          for (size_t l = 0; l < lists.size(); ++l) {
            const Outcome& o = outcomes[l];
            Verdict v;
            v.same = o.id == failure.id;
            const size_t last =
                o.step < 0 ? lists[l].size() : std::min<size_t>(static_cast<size_t>(o.step) + 1, lists[l].size());
            for (size_t k = 0; k < last; ++k)
              if (!o.skipped.contains(static_cast<int>(k))) v.kept.push_back(k);
            verdicts.push_back(v);
          }
          return verdicts;
        },
        config.shrinkJobs, std::chrono::seconds(config.shrinkSeconds), &tried);
    std::printf("   shrunk to %zu actions in %d replays, %.1f s\n", failing.size(), tried, clock.elapsed() / 1000.0);
  }
  std::printf("   the whole run again: MONKEY_SEED=%llu MONKEY_STEPS=%d MONKEY_TRACE=1\n",
              static_cast<unsigned long long>(seed), config.steps);
  std::printf("   shortest reproduction found (%s locale, fresh windows):\n", comma ? "comma" : "dot");
  std::vector<Action> none;
  const Outcome again = isolated([&](Channel&) { return replay(failing, comma, true); }, &none, perReplay, false);
  std::printf("   -> %s: %s\n", qPrintable(again.id.isEmpty() ? QStringLiteral("(passed on this replay)") : again.id),
              qPrintable(again.detail));
}

void quietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static const QStringList noise = {"This plugin does not support", "occurs outside target window",
                                    "QStandardPaths: XDG_RUNTIME_DIR"};
  for (const QString& n : noise)
    if (message.contains(n)) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  qInstallMessageHandler(quietOffscreenNoise);
  kvadus::Application app(argc, argv);
  testsupport::WorkingFolder folder;
  installPerson();
  if (trace()) std::setvbuf(stdout, nullptr, _IONBF, 0);
  const Config config = configure();

  int passed = 0, failed = 0;
  qint64 actionsRun = 0;
  QElapsedTimer all;
  all.start();
  for (const quint64 seed : config.seeds) {
    QElapsedTimer clock;
    clock.start();
    std::vector<Action> actions;
    const int timeout = 120 + config.steps / 10;
    const Outcome o = isolated([&](Channel& ch) { return runSeed(seed, config.steps, ch); }, &actions, timeout, false);
    actionsRun += static_cast<qint64>(actions.size());
    if (o.id.isEmpty()) {
      ++passed;
      std::printf("seed %llu: %zu actions, %.1f s: ok\n", static_cast<unsigned long long>(seed), actions.size(),
                  clock.elapsed() / 1000.0);
      std::fflush(stdout);
      continue;
    }
    ++failed;
    std::printf("seed %llu: FAILED at action %d of %d (%.1f s): %s: %s\n", static_cast<unsigned long long>(seed),
                o.step + 1, config.steps, clock.elapsed() / 1000.0, qPrintable(o.id), qPrintable(o.detail));
    std::fflush(stdout);
    report(seed, o, actions, config);
    std::fflush(stdout);
  }
  std::printf("monkey: %lld actions over %lld seeds in %.1f s\n", actionsRun,
              static_cast<long long>(config.seeds.size()), all.elapsed() / 1000.0);
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
