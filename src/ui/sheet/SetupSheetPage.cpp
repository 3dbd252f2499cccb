// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/SetupSheetPage.h"

#include "core/model/CurveGeometry.h"
#include "ui/sheet/SetupSheet.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextOption>

#include <algorithm>
#include <limits>

namespace rv {

namespace {

// Lengths in millimetres.
constexpr int SettingColumns = 3;
constexpr int CurveColumns = 3;
constexpr double ColumnGap = 4.5;
constexpr double CurvePlotHeight = 16.0;
constexpr double CommentMaxHeight = 40.0;
const QColor Grid(190, 190, 190);
const QColor CurveLine(20, 60, 160);

// Lays the sheet out from the top of the page down. In a measuring pass it
// only adds up heights; the drawing pass draws the same boxes.
class SheetLayout {
public:
    SheetLayout(QPainter& painter, double unitsPerMm, double width, bool drawing)
        : painter_(painter), mm_(unitsPerMm), width_(width), drawing_(drawing) {}

    double run(const SetupSheet& sheet) {
        double y = header(sheet, 0);
        y = settings(sheet, y + 3 * mm_);
        y = comment(sheet, y + 2 * mm_);
        return curves(sheet, y + 3 * mm_);
    }

private:
    QFont font(double points, bool bold = false) const {
        QFont f = QGuiApplication::font();
        f.setPointSizeF(points);
        f.setBold(bold);
        // No ligatures: text copied from the PDF must read "fi", not one sign.
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }

    // Text wrapped into the width at x, y; returns its height.
    double text(double x, double y, double width, const QString& content, const QFont& f,
                Qt::Alignment align = Qt::AlignLeft, bool wrap = true) {
        painter_.setFont(f);
        QTextOption option(align);
        option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        const QRectF box(x, y, width, 1e6);
        const double height = painter_.boundingRect(box, content, option).height();
        if (drawing_) {
            painter_.drawText(QRectF(x, y, width, height), content, option);
        }
        return height;
    }

    // With a little room, so that a box this wide never wraps its text.
    double textWidth(const QString& content, const QFont& f) const {
        return QFontMetricsF(f, painter_.device()).horizontalAdvance(content) + 0.5 * mm_;
    }

    void line(double x1, double y, double x2, const QColor& color = Qt::black) {
        if (drawing_) {
            painter_.setPen(QPen(color, 0.2 * mm_));
            painter_.drawLine(QPointF(x1, y), QPointF(x2, y));
            painter_.setPen(Qt::black);
        }
    }

    double header(const SetupSheet& sheet, double y) {
        y += text(0, y, width_, sheet.title, font(14, true));
        const QFont info = font(9, true);
        const double dateHeight = text(0, y + 1 * mm_, width_, sheet.date, font(9), Qt::AlignRight);
        const double nameWidth = width_ - textWidth(sheet.date, font(9)) - ColumnGap * mm_;
        // A long name keeps its start and its end on one line.
        const QString name = QFontMetricsF(info, painter_.device())
                                 .elidedText(sheet.fileName, Qt::ElideMiddle, nameWidth - mm_);
        double nameHeight = text(0, y + 1 * mm_, nameWidth, name, info);
        if (!sheet.unsavedNote.isEmpty()) {
            nameHeight +=
                text(0, y + 1 * mm_ + nameHeight, nameWidth, sheet.unsavedNote, font(8, true));
        }
        y += 1 * mm_ + std::max(dateHeight, nameHeight) + 1 * mm_;
        line(0, y, width_);
        return y;
    }

    // One section in a column: heading, optional column headings, rows.
    double section(const SheetSection& s, double x, double y, double width) {
        const QFont heading = font(8, true);
        const QFont row = font(7.5);
        const double top = y;
        y += text(x, y, width, s.heading, heading);
        line(x, y + 0.3 * mm_, x + width, Grid);
        y += 0.8 * mm_;
        // The channel table lines its values up in columns under headings.
        double valueWidth = 0;
        double extraWidth = 0;
        if (s.columnHeadings) {
            valueWidth = textWidth(s.columnHeadings->value, row);
            extraWidth = textWidth(s.columnHeadings->extra, row);
            for (const SheetRow& r : s.rows) {
                valueWidth = std::max(valueWidth, textWidth(r.value, row));
                extraWidth = std::max(extraWidth, textWidth(r.extra, row));
            }
        }
        auto drawRow = [&](const SheetRow& r, const QFont& f) {
            if (s.columnHeadings) {
                const double captionWidth = width - valueWidth - extraWidth - 4 * mm_;
                const double height = text(x, y, captionWidth, r.caption, f);
                text(x + width - extraWidth - 2 * mm_ - valueWidth, y, valueWidth, r.value, f,
                     Qt::AlignHCenter);
                text(x + width - extraWidth, y, extraWidth, r.extra, f, Qt::AlignHCenter);
                y += height + 0.15 * mm_;
                return;
            }
            const double ownWidth = std::min(textWidth(r.value, f), width);
            const bool besideValue = textWidth(r.caption, f) + 2 * mm_ + ownWidth <= width;
            // A caption that does not fit beside its value gets the line to
            // itself, and the value follows on the next.
            double captionHeight = text(x, y, width, r.caption, f);
            if (!besideValue) {
                y += captionHeight;
                captionHeight = 0;
            }
            const double valueHeight =
                text(x + width - ownWidth, y, ownWidth, r.value, f, Qt::AlignRight);
            y += std::max(captionHeight, valueHeight) + 0.15 * mm_;
        };
        if (s.columnHeadings) {
            QFont italic = row;
            italic.setItalic(true);
            drawRow(*s.columnHeadings, italic);
        }
        for (const SheetRow& r : s.rows) {
            drawRow(r, row);
        }
        return y - top;
    }

    double settings(const SetupSheet& sheet, double y) {
        const double columnWidth =
            (width_ - (SettingColumns - 1) * ColumnGap * mm_) / SettingColumns;
        const double gap = 2.5 * mm_;
        // Measure every section, then split them into three columns in order
        // so that the longest column is as short as it can be.
        std::vector<double> heights;
        {
            const bool wasDrawing = std::exchange(drawing_, false);
            for (const SheetSection& s : sheet.sections) {
                heights.push_back(section(s, 0, 0, columnWidth) + gap);
            }
            drawing_ = wasDrawing;
        }
        const std::size_t n = heights.size();
        auto sum = [&](std::size_t from, std::size_t to) {
            double total = 0;
            for (std::size_t i = from; i < to; ++i) {
                total += heights[i];
            }
            return total;
        };
        std::size_t bestFirst = n;
        std::size_t bestSecond = n;
        double best = std::numeric_limits<double>::max();
        for (std::size_t first = 0; first <= n; ++first) {
            for (std::size_t second = first; second <= n; ++second) {
                const double tallest =
                    std::max({sum(0, first), sum(first, second), sum(second, n)});
                if (tallest < best) {
                    best = tallest;
                    bestFirst = first;
                    bestSecond = second;
                }
            }
        }
        const std::size_t starts[] = {0, bestFirst, bestSecond, n};
        for (int column = 0; column < SettingColumns; ++column) {
            const double x = column * (columnWidth + ColumnGap * mm_);
            double columnY = y;
            for (std::size_t i = starts[column]; i < starts[column + 1]; ++i) {
                columnY += section(sheet.sections[i], x, columnY, columnWidth) + gap;
            }
        }
        return y + best;
    }

    double comment(const SetupSheet& sheet, double y) {
        y += text(0, y, width_, sheet.commentHeading, font(8, true));
        line(0, y + 0.3 * mm_, width_, Grid);
        y += 0.8 * mm_;
        QString content = sheet.comment.isEmpty() ? QStringLiteral("-") : sheet.comment;
        // A comment of many short lines would crowd out the curves: its lines
        // then run on, and the type gets smaller before the page does.
        double points = 7;
        const auto height = [&] {
            const bool wasDrawing = std::exchange(drawing_, false);
            const double h = text(0, y, width_, content, font(points));
            drawing_ = wasDrawing;
            return h;
        };
        if (height() > CommentMaxHeight * mm_) {
            QStringList lines = content.split(QLatin1Char('\n'));
            for (QString& l : lines) {
                l = l.trimmed();
            }
            lines.removeAll(QString());
            content = lines.join(QStringLiteral(" / "));
        }
        while (points > 5.5 && height() > CommentMaxHeight * mm_) {
            points -= 0.5;
        }
        return y + text(0, y, width_, content, font(points));
    }

    void plot(const SheetCurve& curve, const QRectF& box) {
        if (!drawing_) {
            return;
        }
        painter_.save();
        painter_.setPen(QPen(Grid, 0.15 * mm_));
        painter_.drawRect(box);
        const auto xOf = [&](int column) {
            return box.left() + box.width() * column / CurveGeometry::LastColumn;
        };
        // Stored 0..200, 100 the centre.
        const auto yOf = [&](int value) {
            return box.bottom() - box.height() * std::clamp(value, 0, 200) / 200.0;
        };
        for (int column = 1; column < CurveGeometry::LastColumn; ++column) {
            painter_.drawLine(QPointF(xOf(column), box.top()), QPointF(xOf(column), box.bottom()));
        }
        painter_.setPen(QPen(Qt::gray, 0.2 * mm_, Qt::DashLine));
        painter_.drawLine(QPointF(box.left(), yOf(100)), QPointF(box.right(), yOf(100)));
        QPainterPath path;
        for (int column = 0; column <= CurveGeometry::LastColumn; ++column) {
            const int value = curve.drawn[static_cast<std::size_t>(column)];
            if (value == RemovedPoint && column > 0) {
                break; // a gap at the end: the line stops there
            }
            const QPointF point(xOf(column), yOf(value));
            if (column == 0) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
        }
        painter_.setPen(QPen(CurveLine, 0.35 * mm_));
        painter_.drawPath(path);
        painter_.setBrush(CurveLine);
        for (int column = 0; column <= CurveGeometry::LastColumn; ++column) {
            const int value = curve.points[static_cast<std::size_t>(column)];
            if (value != RemovedPoint) {
                painter_.drawEllipse(QPointF(xOf(column), yOf(value)), 0.45 * mm_, 0.45 * mm_);
            }
        }
        painter_.restore();
    }

    double curveCell(const SheetCurve& curve, double x, double y, double width) {
        const double top = y;
        y += text(x, y, width, curve.name, font(7.5, true));
        y += 0.5 * mm_;
        // The value scale left of the picture, the values under their columns.
        const QFont small = font(5.5);
        const QString highest = QString::number(CurveGeometry::shownValue(200, curve.scale));
        const QString lowest = QString::number(CurveGeometry::shownValue(0, curve.scale));
        const double scaleWidth = textWidth(QStringLiteral("+125"), small) + 1 * mm_;
        const double step = (width - scaleWidth) / (CurveGeometry::LastColumn + 1);
        const QRectF box(x + scaleWidth + step / 2, y, step * CurveGeometry::LastColumn,
                         CurvePlotHeight * mm_);
        plot(curve, box);
        const double labelWidth = scaleWidth - 0.8 * mm_;
        text(x, y - 0.8 * mm_, labelWidth, QLatin1Char('+') + highest, small, Qt::AlignRight,
             false);
        text(x, box.center().y() - 1.2 * mm_, labelWidth, QStringLiteral("0"), small,
             Qt::AlignRight, false);
        text(x, box.bottom() - 1.6 * mm_, labelWidth, lowest, small, Qt::AlignRight, false);
        y = box.bottom() + 0.8 * mm_;
        // Values from a foreign file can have five digits: smaller type keeps
        // them apart.
        double points = 5.5;
        const auto widest = [&] {
            double most = 0;
            for (const QString& value : curve.shown) {
                most = std::max(most, textWidth(value, font(points)));
            }
            return most;
        };
        while (points > 3.5 && widest() > step) {
            points -= 0.5;
        }
        double valuesHeight = 0;
        for (int column = 0; column <= CurveGeometry::LastColumn; ++column) {
            valuesHeight = std::max(valuesHeight, text(box.left() + step * (column - 0.5), y, step,
                                                       curve.shown.at(column), font(points),
                                                       Qt::AlignHCenter, false));
        }
        return y + valuesHeight - top;
    }

    double curves(const SetupSheet& sheet, double y) {
        y += text(0, y, width_, sheet.curvesHeading, font(8, true));
        line(0, y + 0.3 * mm_, width_, Grid);
        y += 1 * mm_;
        const double cellWidth = (width_ - (CurveColumns - 1) * ColumnGap * mm_) / CurveColumns;
        for (const QString& phase : sheet.phases) {
            y += text(0, y, width_, phase, font(8, true, true));
            y += 0.5 * mm_;
            // Cells follow the curve index, so each acro curve sits under its hover one.
            double rowHeight = 0;
            int lastRow = -1;
            for (const SheetCurve& curve : sheet.curves) {
                if (curve.phase != phase) {
                    continue;
                }
                const int row = curve.curveIndex / CurveColumns;
                if (row != lastRow && lastRow >= 0) {
                    y += rowHeight + 2 * mm_;
                    rowHeight = 0;
                }
                lastRow = row;
                const double x = (curve.curveIndex % CurveColumns) * (cellWidth + ColumnGap * mm_);
                rowHeight = std::max(rowHeight, curveCell(curve, x, y, cellWidth));
            }
            y += rowHeight + 2.5 * mm_;
        }
        return y;
    }

    QFont font(double points, bool bold, bool italic) const {
        QFont f = font(points, bold);
        f.setItalic(italic);
        return f;
    }

    QPainter& painter_;
    double mm_;
    double width_;
    bool drawing_;
};

} // namespace

SheetFit paintSetupSheet(QPagedPaintDevice& device, const SetupSheet& sheet) {
    QPainter painter;
    SheetFit fit;
    if (!painter.begin(&device)) {
        return fit;
    }
    fit.painted = true;
    const double unitsPerMm = device.logicalDpiX() / 25.4;
    const double width = device.width();
    fit.pageHeight = device.height();
    {
        SheetLayout measure(painter, unitsPerMm, width, false);
        fit.contentHeight = measure.run(sheet);
    }
    // Never a second page: what does not fit shrinks, and the tests see by how much.
    if (fit.contentHeight > fit.pageHeight) {
        fit.scale = fit.pageHeight / fit.contentHeight;
        painter.translate(width * (1 - fit.scale) / 2, 0);
        painter.scale(fit.scale, fit.scale);
    }
    SheetLayout draw(painter, unitsPerMm, width, true);
    draw.run(sheet);
    return fit;
}

QPageLayout setupSheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

QByteArray setupSheetPdf(const SetupSheet& sheet, SheetFit* fit) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(setupSheetPageLayout());
        writer.setResolution(600);
        writer.setTitle(sheet.title);
        writer.setCreator(sheet.title);
        const SheetFit result = paintSetupSheet(writer, sheet);
        if (fit != nullptr) {
            *fit = result;
        }
    }
    return bytes;
}

} // namespace rv
