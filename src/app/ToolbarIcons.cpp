#include "ToolbarIcons.h"

#include "view/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <QStyle>

#include <functional>

namespace varn {

namespace {

// Pictures are drawn at twice the 16-pixel button size so they stay crisp when scaled.
constexpr int kSize = 32;

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    draw(painter);
    return QIcon(pixmap);
}

QPen pen(const QColor& colour, double width = 2.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap);
}

void letter(QPainter& p, const QString& text, const QColor& colour) {
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 18, kSize, 14), Qt::AlignCenter, text);
}

// A few log-ratio dots scattered around a zero line, the look of a copy-number track.
void profileDots(QPainter& p, const QColor& colour, int top) {
    p.setPen(pen(colour, 3));
    const int ys[] = {6, 3, 7, 4, 9, 5, 2, 6, 4};
    for (int k = 0; k < 9; ++k) p.drawPoint(3 + 3 * k, top + ys[k]);
}

QIcon printer() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawRect(9, 3, 14, 10);
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(3, 12, 26, 12, 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(9, 20, 14, 9);
    });
}

QIcon printPreview() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawRect(5, 2, 18, 26);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPoint(19, 19), 6, 6);
        p.drawLine(23, 23, 29, 29);
    });
}

QIcon tempFileLoad(const QString& tag, const QColor& colour) {
    return drawn([tag, colour](QPainter& p) {
        p.setPen(pen(Qt::black, 2));
        p.setBrush(QColor(250, 220, 120));
        p.drawRect(2, 8, 28, 22);
        p.drawLine(2, 8, 10, 2);
        p.drawLine(10, 2, 16, 8);
        letter(p, tag, colour);
    });
}

QIcon cghView() {
    return drawn([](QPainter& p) {
        p.setPen(pen(QColor(255, 0, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(2, 6, 28, 20);
        profileDots(p, Qt::blue, 10);
    });
}

QIcon rangeSet() {
    return drawn([](QPainter& p) {
        profileDots(p, QColor(120, 120, 120), 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 0, 0));
        p.drawRect(8, 20, 16, 6);
        p.setPen(pen(QColor(255, 0, 0), 2));
        p.drawLine(8, 16, 8, 30);
        p.drawLine(24, 16, 24, 30);
    });
}

QIcon sortReferences() {
    return drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 200));
        for (int k = 0; k < 5; ++k) p.drawRect(3 + 6 * k, 26 - 5 * k, 4, 4 + 5 * k);
    });
}

QIcon averageMode() {
    return drawn([](QPainter& p) {
        profileDots(p, QColor(255, 0, 0), 6);
        QPainterPath wave;
        wave.moveTo(2, 18);
        wave.cubicTo(10, 10, 20, 26, 30, 16);
        p.setPen(pen(Qt::blue, 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    });
}

QIcon hmmParameter() {
    return drawn([](QPainter& p) {
        p.setPen(pen(QColor(0, 100, 0), 3));
        const QPoint steps[] = {{2, 20}, {10, 20}, {10, 10}, {20, 10}, {20, 26}, {30, 26}};
        p.drawPolyline(steps, 6);
    });
}

QIcon allGenome() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 1.5));
        for (int row = 0; row < 3; ++row) {
            const int count = row + 2;
            const int width = 26 / count - 2;
            for (int k = 0; k < count; ++k) {
                p.setBrush(k % 2 == 0 ? QColor(127, 127, 127) : Qt::white);
                p.drawRect(3 + k * (width + 2), 4 + row * 9, width, 6);
            }
        }
    });
}

QIcon eachChromosome() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 1.5));
        p.setBrush(QColor(191, 191, 191));
        p.drawRoundedRect(3, 12, 26, 8, 4, 4);
        p.setBrush(QColor(63, 63, 63));
        p.drawRect(8, 12, 4, 8);
        p.drawRect(19, 12, 3, 8);
    });
}

QIcon printView() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawRect(6, 2, 20, 28);
        p.setPen(pen(Qt::blue, 1.5));
        for (int y = 8; y <= 24; y += 4) p.drawLine(10, y, 22, y);
    });
}

QIcon monitorView() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 2));
        p.setBrush(QColor(200, 225, 255));
        p.drawRect(3, 4, 26, 18);
        p.drawLine(16, 22, 16, 27);
        p.drawLine(9, 28, 23, 28);
    });
}

QIcon exploreView() {
    return drawn([](QPainter& p) {
        p.setPen(pen(Qt::black, 3));
        p.setBrush(QColor(220, 240, 255));
        p.drawEllipse(QPoint(13, 13), 9, 9);
        p.drawLine(20, 20, 29, 29);
    });
}

} // namespace

QIcon toolbarIcon(int commandId, const QStyle& style) {
    switch (commandId) {
    case ID_FILE_NEW:
        return style.standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN:
        return style.standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_PRINT_PREVIEW:
        return printPreview();
    case ID_FILE_PRINT:
        return printer();
    case ID_SELF_LOAD:
        return tempFileLoad("S", QColor(0, 100, 0));
    case ID_NON_SELF_LOAD:
        return tempFileLoad("N", QColor(0, 0, 200));
    case ID_STORE:
        return style.standardIcon(QStyle::SP_DialogSaveButton);
    case ID_CGH_VIEW:
        return cghView();
    case ID_RANGE_SET:
        return rangeSet();
    case ID_SORT:
        return sortReferences();
    case ID_AVERAGE_MODE:
        return averageMode();
    case ID_HMM_PARAMETER:
        return hmmParameter();
    case ID_ALL_GENOME:
        return allGenome();
    case ID_EACH_CHROMOSOME:
        return eachChromosome();
    case ID_PRINT_VIEW:
        return printView();
    case ID_MONITOR_VIEW:
        return monitorView();
    case ID_EXPLORE_VIEW:
        return exploreView();
    case ID_PREV_CHROMOSOME:
        return style.standardIcon(QStyle::SP_MediaSeekBackward);
    case ID_NEXT_CHROMOSOME:
        return style.standardIcon(QStyle::SP_MediaSeekForward);
    case ID_MOVE_LEFT:
        return style.standardIcon(QStyle::SP_ArrowLeft);
    case ID_MOVE_RIGHT:
        return style.standardIcon(QStyle::SP_ArrowRight);
    case ID_RETURN_TO_TOP:
        return style.standardIcon(QStyle::SP_MediaSkipBackward);
    case ID_APP_ABOUT:
        return style.standardIcon(QStyle::SP_MessageBoxInformation);
    case ID_PROGRAM_ICON:
        return cghView();
    default:
        return QIcon();
    }
}

} // namespace varn
