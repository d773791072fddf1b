// A tab strip whose tabs wrap onto further rows, for tab controls stored as multi-line. The
// toolkit's own tab bar keeps all tabs in one row, so this strip lays out the rows itself and
// has the style measure and draw every tab exactly as the toolkit's tab bar would.
#pragma once

#include <QString>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QWidget>

#include <vector>

#include "pages/tab_rows.h"

namespace wufu {

class MultiRowTabBar : public QWidget {
  Q_OBJECT

 public:
  explicit MultiRowTabBar(QWidget* parent = nullptr);

  void setShape(QTabBar::Shape shape);
  QTabBar::Shape shape() const { return shape_; }
  int addTab(const QString& text);
  int count() const { return static_cast<int>(texts_.size()); }
  // -1 when there is no tab.
  int currentIndex() const { return current_; }
  // Emits currentChanged when the selection changes.
  void setCurrentIndex(int index);
  // In the strip's own coordinates, for its present size.
  QRect tabRect(int index) const;
  int rowCount() const { return layout_for(edge_length()).rows; }

  // The strip's size when it lies along an edge of `edge` pixels: the edge's length by the
  // depth of all its rows.
  QSize size_for_edge(int edge) const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void currentChanged(int index);
  // A press on the strip, on a tab (its index) or beside the tabs (-1), before any selection.
  void tabBarClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool vertical() const;
  // A tab's size as the style gives it for its caption in the strip's font.
  QSize tab_size(int index) const;
  // Every tab's size across the strip is the largest of them.
  int row_depth() const;
  int edge_length() const;
  TabRowLayout layout_for(int edge) const;
  std::vector<QRect> tab_rects() const;
  int tab_at(const QPoint& pos) const;
  void init_tab_option(QStyleOptionTab* option, int index, const TabRowLayout& layout,
                       const std::vector<QRect>& rects) const;

  std::vector<QString> texts_;
  QTabBar::Shape shape_ = QTabBar::RoundedNorth;
  int current_ = -1;
  int hovered_ = -1;
};

}  // namespace wufu
