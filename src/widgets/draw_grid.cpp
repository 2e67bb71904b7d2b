#include "widgets/draw_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "platform/canvas.h"
#include "widgets/accessible_widgets.h"

namespace {
constexpr int kGridLineWidth = 1;
constexpr int kFixedRows = 1;
constexpr int kFixedColumns = 1;
// The frame that marks the selected row while the grid has the focus, inside the row's cells.
constexpr int kFocusFrameWidth = 2;
}  // namespace

DrawGrid::DrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Window);
    UpdateScrollBar();
    InstallAccessibleWidgets();
}

void DrawGrid::SetColumnWidths(const std::vector<int>& widths) {
    columnWidths_ = widths;
    UpdateScrollBar();
    viewport()->update();
}

void DrawGrid::SetDefaultRowHeight(int height) {
    rowHeight_ = height;
    UpdateScrollBar();
    viewport()->update();
}

void DrawGrid::SetRowCount(int rows) {
    rowCount_ = rows < 0 ? 0 : rows;
    if (selectedRow_ >= rowCount_) {
        selectedRow_ = rowCount_ > kFixedRows ? rowCount_ - 1 : kFixedRows;
    }
    UpdateScrollBar();
    viewport()->update();
}

void DrawGrid::SelectRow(int row) {
    if (row < kFixedRows || row >= rowCount_) {
        return;
    }
    selectedRow_ = row;
    // Keep the selected row in view.
    const int visible = (viewport()->height() / (rowHeight_ + kGridLineWidth)) - kFixedRows;
    if (row < topRow_) {
        verticalScrollBar()->setValue(row - kFixedRows);
    } else if (visible > 0 && row >= topRow_ + visible) {
        verticalScrollBar()->setValue(row - kFixedRows - visible + 1);
    }
    viewport()->update();
    AnnounceGridFocus(this);
}

void DrawGrid::RepaintNow() {
    viewport()->repaint();
    AnnounceGridCells(this);
}

QRect DrawGrid::CellRect(int col, int row) const {
    int x = 0;
    for (int c = 0; c < col && c < ColumnCount(); ++c) {
        x += columnWidths_[c] + kGridLineWidth;
    }
    if (col >= kFixedColumns) {
        x -= horizontalScrollBar()->value();
    }
    int y = 0;
    if (row >= kFixedRows) {
        y = kFixedRows * (rowHeight_ + kGridLineWidth) +
            (row - topRow_) * (rowHeight_ + kGridLineWidth);
    } else {
        y = row * (rowHeight_ + kGridLineWidth);
    }
    const int width = col < ColumnCount() ? columnWidths_[col] : 0;
    return QRect(x, y, width, rowHeight_);
}

QPoint DrawGrid::CellAt(const QPoint& point) const {
    const int row = RowAt(point.y());
    for (int col = 0; col < ColumnCount() && row >= 0 && row < rowCount_; ++col) {
        const QRect cell = CellRect(col, row);
        if (point.x() >= cell.left() && point.x() <= cell.right() + kGridLineWidth) {
            return QPoint(col, row);
        }
    }
    return QPoint(-1, -1);
}

void DrawGrid::SetCellToolTip(int col, int row, const QString& text) {
    if (text.isEmpty()) {
        toolTips_.remove(QPoint(col, row));
    } else {
        toolTips_.insert(QPoint(col, row), text);
    }
}

bool DrawGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QAbstractScrollArea::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint cell = CellAt(help->pos());
    const QString text = CellToolTip(cell.x(), cell.y());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport(), CellRect(cell.x(), cell.y()));
    }
    return true;
}

void DrawGrid::UpdateScrollBar() {
    const int rowsShown =
        qMax(0, viewport()->height() / (rowHeight_ + kGridLineWidth) - kFixedRows);
    const int normalRows = qMax(0, rowCount_ - kFixedRows);
    verticalScrollBar()->setRange(0, qMax(0, normalRows - rowsShown));
    verticalScrollBar()->setPageStep(qMax(1, rowsShown));
    verticalScrollBar()->setSingleStep(1);
    int total = 0;
    for (int w : columnWidths_) {
        total += w + kGridLineWidth;
    }
    horizontalScrollBar()->setRange(0, qMax(0, total - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    topRow_ = kFixedRows + verticalScrollBar()->value();
}

void DrawGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
}

void DrawGrid::scrollContentsBy(int, int) {
    topRow_ = kFixedRows + verticalScrollBar()->value();
    viewport()->update();
}

int DrawGrid::RowAt(int y) const {
    const int pitch = rowHeight_ + kGridLineWidth;
    const int shown = y / pitch;
    if (shown < kFixedRows) {
        return shown;
    }
    return topRow_ + shown - kFixedRows;
}

void DrawGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& pal = palette();
    const QFont gridFont = font();
    const int rowsToPaint = rowCount_;
    for (int row = 0; row < rowsToPaint; ++row) {
        if (row >= kFixedRows && row < topRow_) {
            continue;
        }
        const QRect rowRect = CellRect(0, row);
        if (rowRect.top() > viewport()->height()) {
            break;
        }
        for (int col = 0; col < ColumnCount(); ++col) {
            const QRect cell = CellRect(col, row);
            const bool fixed = row < kFixedRows || col < kFixedColumns;
            const bool selected = !fixed && row == selectedRow_;
            // The toolkit's preparation of the cell, before the owner draws it.
            Canvas canvas(painter);
            canvas.SetFontName(gridFont.family());
            canvas.SetFontHeight(-(gridFont.pixelSize() > 0 ? gridFont.pixelSize() : 11));
            canvas.SetFontBold(gridFont.bold());
            QColor background = pal.color(QPalette::Base);
            QColor text = pal.color(QPalette::Text);
            if (fixed) {
                background = pal.color(QPalette::Button);
                text = pal.color(QPalette::ButtonText);
            } else if (selected) {
                background = pal.color(QPalette::Highlight);
                text = pal.color(QPalette::HighlightedText);
            }
            canvas.SetBrushColor(background);
            canvas.SetFontColor(text);
            painter.fillRect(cell, background);
            if (drawCell_) {
                painter.save();
                drawCell_(this, col, row, cell, selected, canvas);
                painter.restore();
            }
            // Grid lines right of and below the cell, in fixed and normal cells alike.
            painter.setPen(fixed ? pal.color(QPalette::Dark) : pal.color(QPalette::Mid));
            painter.drawLine(cell.right() + 1, cell.top(), cell.right() + 1, cell.bottom() + 1);
            painter.drawLine(cell.left(), cell.bottom() + 1, cell.right() + 1, cell.bottom() + 1);
        }
    }
    // The style's focus rectangle is lost on the coloured cells: a solid frame in the text
    // colour marks the whole selected row instead.
    if (hasFocus() && selectedRow_ >= topRow_ && selectedRow_ < rowCount_) {
        QRect row = CellRect(0, selectedRow_);
        row.setRight(CellRect(ColumnCount() - 1, selectedRow_).right());
        const int inset = kFocusFrameWidth / 2;
        painter.setPen(QPen(pal.color(QPalette::WindowText), kFocusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row.adjusted(inset, inset, -inset, -inset));
    }
}

void DrawGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    // After the toolkit has told of the grid's focus, which it does once this event is done.
    QMetaObject::invokeMethod(
        this, [this] { AnnounceGridFocus(this); }, Qt::QueuedConnection);
}

void DrawGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void DrawGrid::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (row >= kFixedRows && row < rowCount_) {
        SelectRow(row);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void DrawGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            SelectRow(selectedRow_ - 1);
            return;
        case Qt::Key_Down:
            SelectRow(selectedRow_ + 1);
            return;
        case Qt::Key_Home:
            SelectRow(kFixedRows);
            return;
        case Qt::Key_End:
            SelectRow(rowCount_ - 1);
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}
