#pragma once
// A captioned group of radio buttons with one selected index, like the
// classic radio group of desktop toolkits: items can be added and removed,
// and the click handler runs whenever the selected index changes, whether a
// person clicked or the program set the index. From the keyboard the group
// is one stop of the Tab order (its selected item, or its first usable one)
// and the arrow keys select the neighbouring item: Up and Down within a
// column, Left and Right across the columns.

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;
class QButtonGroup;

namespace kvadus {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit RadioGroup(const QString& caption, QWidget* parent = nullptr);

  QStringList items() const;
  int count() const { return static_cast<int>(buttons_.size()); }
  QString itemText(int index) const;
  void setItems(const QStringList& items);  // selection is cleared (-1)
  void addItem(const QString& text);
  void removeItem(int index);  // the selection follows its item, or becomes -1

  int itemIndex() const { return index_; }
  // Selects the item (-1 for none); emits clicked() when the index changes.
  void setItemIndex(int index);

  QRadioButton* button(int index) const;

  // Items are laid out in this many columns, filled top to bottom.
  void setColumns(int columns);
  int columns() const { return columns_; }

  // Each item's text sits 2 pixels from its mark, for narrow groups of
  // short items.
  void setCompact();

  // The item that Tab stops at: the selected one when it can take the
  // focus, else the first that can; -1 when none can.
  int tabStop() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The index changed, by a click or from code.
  void itemClicked(int index);

 private:
  void appendButton(const QString& text);  // without laying the items out again
  void relayout();
  void onToggled(QRadioButton* button, bool on);
  void updateTabStop();
  bool usable(int index) const;
  // The usable item a step away in the key's direction, or -1.
  int neighbour(int from, int key) const;

  QList<QRadioButton*> buttons_;
  int index_ = -1;
  int columns_ = 1;
  bool updating_ = false;
  bool compact_ = false;
};

}  // namespace kvadus
