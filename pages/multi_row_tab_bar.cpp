#include "pages/multi_row_tab_bar.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStylePainter>

#include <algorithm>

namespace wufu {

MultiRowTabBar::MultiRowTabBar(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void MultiRowTabBar::setShape(QTabBar::Shape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  setSizePolicy(vertical() ? QSizePolicy::Fixed : QSizePolicy::Preferred,
                vertical() ? QSizePolicy::Preferred : QSizePolicy::Fixed);
  updateGeometry();
  update();
}

int MultiRowTabBar::addTab(const QString& text) {
  texts_.push_back(text);
  const int index = count() - 1;
  updateGeometry();
  update();
  // Like the toolkit's tab bar, the first tab becomes the selected one.
  if (current_ < 0) setCurrentIndex(index);
  return index;
}

void MultiRowTabBar::setCurrentIndex(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  current_ = index;
  update();
  emit currentChanged(index);
}

bool MultiRowTabBar::vertical() const {
  return shape_ == QTabBar::RoundedWest || shape_ == QTabBar::RoundedEast ||
         shape_ == QTabBar::TriangularWest || shape_ == QTabBar::TriangularEast;
}

QSize MultiRowTabBar::tab_size(int index) const {
  // The same measure as the toolkit's tab bar: the caption, the style's spacing round it, and
  // whatever the style adds to a tab of that content.
  QStyleOptionTab option;
  option.initFrom(this);
  option.shape = shape_;
  option.text = texts_[static_cast<std::size_t>(index)];
  const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
  const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
  const QFontMetrics fm = fontMetrics();
  const int text_width = fm.size(Qt::TextShowMnemonic, option.text).width();
  const QSize contents = vertical() ? QSize(fm.height() + vspace, text_width + hspace)
                                    : QSize(text_width + hspace, fm.height() + vspace);
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

int MultiRowTabBar::row_depth() const {
  int depth = 0;
  for (int i = 0; i < count(); ++i) {
    const QSize s = tab_size(i);
    depth = std::max(depth, vertical() ? s.width() : s.height());
  }
  return depth;
}

int MultiRowTabBar::edge_length() const {
  return vertical() ? height() : width();
}

TabRowLayout MultiRowTabBar::layout_for(int edge) const {
  std::vector<int> natural;
  natural.reserve(texts_.size());
  for (int i = 0; i < count(); ++i) {
    const QSize s = tab_size(i);
    natural.push_back(vertical() ? s.height() : s.width());
  }
  return lay_out_tab_rows(natural, edge, current_);
}

QSize MultiRowTabBar::size_for_edge(int edge) const {
  const int depth = layout_for(edge).rows * row_depth();
  return vertical() ? QSize(depth, edge) : QSize(edge, depth);
}

QSize MultiRowTabBar::sizeHint() const {
  // Every tab in one row, as long as nothing limits the edge.
  int length = 0;
  for (int i = 0; i < count(); ++i) {
    const QSize s = tab_size(i);
    length += vertical() ? s.height() : s.width();
  }
  return size_for_edge(length);
}

QSize MultiRowTabBar::minimumSizeHint() const {
  return size_for_edge(edge_length());
}

std::vector<QRect> MultiRowTabBar::tab_rects() const {
  const TabRowLayout layout = layout_for(edge_length());
  const int depth = row_depth();
  std::vector<QRect> rects;
  rects.reserve(layout.tabs.size());
  for (const TabPlace& t : layout.tabs) {
    // Row 0 lies next to the page panel, the further rows away from it.
    const int far_side = (layout.rows - 1 - t.row) * depth;
    const int near_side = t.row * depth;
    switch (shape_) {
      case QTabBar::RoundedSouth:
      case QTabBar::TriangularSouth:
        rects.emplace_back(t.offset, near_side, t.extent, depth);
        break;
      case QTabBar::RoundedWest:
      case QTabBar::TriangularWest:
        rects.emplace_back(far_side, t.offset, depth, t.extent);
        break;
      case QTabBar::RoundedEast:
      case QTabBar::TriangularEast:
        rects.emplace_back(near_side, t.offset, depth, t.extent);
        break;
      default:
        rects.emplace_back(t.offset, far_side, t.extent, depth);
        break;
    }
  }
  return rects;
}

QRect MultiRowTabBar::tabRect(int index) const {
  if (index < 0 || index >= count()) return {};
  return tab_rects()[static_cast<std::size_t>(index)];
}

int MultiRowTabBar::tab_at(const QPoint& pos) const {
  const auto rects = tab_rects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].contains(pos)) return static_cast<int>(i);
  }
  return -1;
}

void MultiRowTabBar::init_tab_option(QStyleOptionTab* option, int index, const TabRowLayout& layout,
                                     const std::vector<QRect>& rects) const {
  const auto at = static_cast<std::size_t>(index);
  option->initFrom(this);
  option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
  option->rect = rects[at];
  option->shape = shape_;
  option->text = texts_[at];
  option->row = layout.tabs[at].row;
  option->documentMode = false;
  if (index == current_) {
    option->state |= QStyle::State_Selected;
    if (hasFocus()) option->state |= QStyle::State_HasFocus;
  }
  if (isActiveWindow()) option->state |= QStyle::State_Active;
  if (index == hovered_) option->state |= QStyle::State_MouseOver;

  // Neighbours and ends count within the tab's own row.
  const int row = layout.tabs[at].row;
  const bool first = index == 0 || layout.tabs[at - 1].row != row;
  const bool last = index == count() - 1 || layout.tabs[at + 1].row != row;
  if (first && last) {
    option->position = QStyleOptionTab::OnlyOneTab;
  } else if (first) {
    option->position = QStyleOptionTab::Beginning;
  } else if (last) {
    option->position = QStyleOptionTab::End;
  } else {
    option->position = QStyleOptionTab::Middle;
  }
  if (!first && index - 1 == current_) {
    option->selectedPosition = QStyleOptionTab::PreviousIsSelected;
  } else if (!last && index + 1 == current_) {
    option->selectedPosition = QStyleOptionTab::NextIsSelected;
  } else {
    option->selectedPosition = QStyleOptionTab::NotAdjacent;
  }
}

void MultiRowTabBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  const TabRowLayout layout = layout_for(edge_length());
  const auto rects = tab_rects();
  // Styles draw a tab as the toolkit's one-row bar has it, at the strip's near edge, and may
  // mirror it about that place; so each tab is drawn at the origin and moved into its row.
  auto draw = [&](int i) {
    QStyleOptionTab option;
    init_tab_option(&option, i, layout, rects);
    painter.save();
    painter.translate(option.rect.topLeft());
    option.rect.moveTo(0, 0);
    painter.drawControl(QStyle::CE_TabBarTab, option);
    painter.restore();
  };
  // The selected tab goes last, so that it lies over its neighbours.
  for (int i = 0; i < count(); ++i) {
    if (i != current_) draw(i);
  }
  if (current_ >= 0) draw(current_);
}

void MultiRowTabBar::mousePressEvent(QMouseEvent* event) {
  const int index = tab_at(event->position().toPoint());
  emit tabBarClicked(index);
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  if (index >= 0) {
    // A selected tab in a further row brings its row next to the panel.
    setCurrentIndex(index);
  }
}

void MultiRowTabBar::mouseMoveEvent(QMouseEvent* event) {
  const int index = tab_at(event->position().toPoint());
  if (index != hovered_) {
    hovered_ = index;
    update();
  }
  QWidget::mouseMoveEvent(event);
}

void MultiRowTabBar::leaveEvent(QEvent* event) {
  if (hovered_ != -1) {
    hovered_ = -1;
    update();
  }
  QWidget::leaveEvent(event);
}

void MultiRowTabBar::keyPressEvent(QKeyEvent* event) {
  // The arrow keys move the selection, as on the toolkit's tab bar.
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      setCurrentIndex(current_ - 1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      setCurrentIndex(current_ + 1);
      break;
    default:
      event->ignore();
      break;
  }
}

void MultiRowTabBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    updateGeometry();
    update();
  }
  QWidget::changeEvent(event);
}

}  // namespace wufu
