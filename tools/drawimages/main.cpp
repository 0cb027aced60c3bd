// Draws every picture and tool bar icon of Sirolant with QPainter and saves them as PNG files.
//
//   drawimages [output-directory] [--icons icon-theme-directory] [--preview sheet.png]
//
// Without an output directory the pictures go to resources/images of the source tree; the
// program's icon for the desktop (the emblem at each size of an icon theme) goes to
// resources/icons/hicolor unless --icons names another folder. With --preview an enlarged
// contact sheet of everything is written as well, handy for checking the small icons by eye.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The text-mode palette (the classic sixteen colours, slightly softened where it helps).
const QColor kBlue(0x00, 0x00, 0xaa);
const QColor kDarkBlue(0x00, 0x00, 0x6e);
const QColor kCyan(0x00, 0xaa, 0xaa);
const QColor kLightCyan(0x55, 0xff, 0xff);
const QColor kGray(0xaa, 0xaa, 0xaa);
const QColor kWhite(0xff, 0xff, 0xff);
const QColor kYellow(0xff, 0xff, 0x55);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kDarkGray(0x55, 0x55, 0x55);
const QColor kRed(0xaa, 0x00, 0x00);

// Icon colours.
const QColor kIconOutline(0x1c, 0x2a, 0x48);
const QColor kIconBlue(0x1f, 0x5f, 0xd0);
const QColor kIconTitle(0x1a, 0x3a, 0xa0);

QFont makeFont(const QString &family, int pixels, int weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont monoFont(int pixels, bool bold = false)
{
    return makeFont(QStringLiteral("Liberation Mono"), pixels, bold ? QFont::Bold : QFont::Normal);
}

QFont sansFont(int pixels, bool bold = false)
{
    return makeFont(QStringLiteral("DejaVu Sans"), pixels, bold ? QFont::Bold : QFont::Normal);
}

QImage newImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// ---------------------------------------------------------------------------------------------
// Text-mode pieces shared by the bigger pictures.

// A blue screen with a faint character-cell texture.
void paintScreen(QPainter &p, const QRectF &area, qreal cellW, qreal cellH)
{
    QLinearGradient bg(area.topLeft(), area.bottomLeft());
    bg.setColorAt(0.0, QColor(0x00, 0x00, 0x96));
    bg.setColorAt(0.55, kBlue.darker(112));
    bg.setColorAt(1.0, kDarkBlue.darker(125));
    p.fillRect(area, bg);

    p.save();
    p.setClipRect(area);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 16));
    for (qreal y = area.top(); y < area.bottom(); y += cellH)
        p.drawRect(QRectF(area.left(), std::floor(y), area.width(), 1));
    p.setBrush(QColor(255, 255, 255, 10));
    for (qreal x = area.left(); x < area.right(); x += cellW)
        p.drawRect(QRectF(std::floor(x), area.top(), 1, area.height()));
    p.restore();
}

// Two nested rectangles drawn with hairlines: the double-line border of a text-mode window.
void paintDoubleFrame(QPainter &p, const QRectF &outer, qreal gap, const QColor &color, qreal width = 1.0)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    QPen pen(color, width);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(outer);
    p.drawRect(outer.adjusted(gap, gap, -gap, -gap));
    p.restore();
}

struct TextWindow {
    QRectF rect; // the window, frame included
    QColor background;
    QColor frame;
    QString title;
    QColor titleColor;
    QFont titleFont;
    qreal inset = 4;      // from the window edge to the outer frame line
    qreal gap = 3;        // between the two frame lines
    QPointF shadow{8, 6}; // shadow offset
};

void paintTextWindow(QPainter &p, const TextWindow &w)
{
    // The shadow darkens whatever lies below, as a text-mode shadow does.
    p.save();
    p.setPen(Qt::NoPen);
    QPainterPath shadow;
    shadow.addRect(w.rect.translated(w.shadow));
    QPainterPath self;
    self.addRect(w.rect);
    p.setBrush(QColor(0, 0, 0, 165));
    p.drawPath(shadow.subtracted(self));

    QLinearGradient body(w.rect.topLeft(), w.rect.bottomLeft());
    body.setColorAt(0.0, w.background.lighter(108));
    body.setColorAt(1.0, w.background.darker(106));
    p.setBrush(body);
    p.drawRect(w.rect);
    p.restore();

    const QRectF outer = w.rect.adjusted(w.inset, w.inset, -w.inset, -w.inset);
    paintDoubleFrame(p, outer, w.gap, w.frame);

    if (!w.title.isEmpty()) {
        p.save();
        p.setFont(w.titleFont);
        const QFontMetricsF fm(w.titleFont);
        const QString text = QLatin1Char(' ') + w.title + QLatin1Char(' ');
        const qreal tw = fm.horizontalAdvance(text);
        const qreal th = fm.height();
        const qreal frameMid = outer.top() + w.gap / 2.0;
        QRectF titleRect(outer.center().x() - tw / 2.0, frameMid - th / 2.0, tw, th);
        titleRect =
            QRectF(std::round(titleRect.left()), std::round(titleRect.top()), std::round(tw), std::round(th));
        p.fillRect(titleRect.adjusted(0, 2, 0, -2), w.background.lighter(108));
        p.setPen(w.titleColor);
        p.drawText(titleRect, Qt::AlignCenter, text);
        p.restore();
    }
}

// A line of text made of coloured pieces.
struct Piece {
    QString text;
    QColor color;
};

qreal piecesWidth(const QVector<Piece> &pieces, const QFont &font)
{
    const QFontMetricsF fm(font);
    QString all;
    for (const Piece &piece : pieces)
        all += piece.text;
    return fm.horizontalAdvance(all);
}

void paintPieces(QPainter &p, QPointF baseline, const QVector<Piece> &pieces, const QFont &font,
                 const QColor &shadowColor = QColor(), QPointF shadowOffset = QPointF())
{
    const QFontMetricsF fm(font);
    p.save();
    p.setFont(font);
    for (const Piece &piece : pieces) {
        if (shadowColor.isValid()) {
            p.setPen(shadowColor);
            p.drawText(baseline + shadowOffset, piece.text);
        }
        p.setPen(piece.color);
        p.drawText(baseline, piece.text);
        baseline.rx() += fm.horizontalAdvance(piece.text);
    }
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// The emblem: a text-mode window with a shadow and a large S, on a blue screen tile.

void paintEmblem(QPainter &p, const QRectF &box)
{
    const qreal s = box.width();
    const auto at = [&](qreal fx, qreal fy) { return QPointF(box.left() + fx * s, box.top() + fy * s); };
    const auto snap = [](qreal v) { return std::round(v); };

    p.save();
    // Screen tile.
    const qreal radius = s * 0.19;
    const QRectF tile = box.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02);
    QLinearGradient screen(tile.topLeft(), tile.bottomRight());
    screen.setColorAt(0.0, QColor(0x1d, 0x3c, 0xd8));
    screen.setColorAt(0.55, QColor(0x00, 0x0c, 0xa0));
    screen.setColorAt(1.0, QColor(0x00, 0x00, 0x5c));
    p.setPen(QPen(QColor(0x00, 0x00, 0x40), std::max<qreal>(1.0, s / 64.0)));
    p.setBrush(screen);
    p.drawRoundedRect(tile, radius, radius);

    // Character-cell texture inside the tile.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(tile, radius, radius);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    const qreal cellH = std::max<qreal>(3.0, std::round(s / 12.0));
    p.setBrush(QColor(255, 255, 255, 18));
    for (qreal y = tile.top() + cellH; y < tile.bottom(); y += cellH)
        p.drawRect(QRectF(tile.left(), std::floor(y), tile.width(), 1));
    // A soft highlight in the upper half.
    QLinearGradient gloss(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRect(QRectF(tile.left(), tile.top(), tile.width(), tile.height() * 0.5));
    p.restore();

    // The window and its shadow.
    QRectF win(at(0.15, 0.17), at(0.79, 0.77));
    win = QRectF(QPointF(snap(win.left()), snap(win.top())), QPointF(snap(win.right()), snap(win.bottom())));
    const QPointF shadowOffset(snap(s * 0.08), snap(s * 0.07));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRect(win.translated(shadowOffset));
    QLinearGradient body(win.topLeft(), win.bottomLeft());
    body.setColorAt(0.0, QColor(0x19, 0xc6, 0xc6));
    body.setColorAt(1.0, QColor(0x00, 0x98, 0x9c));
    p.setBrush(body);
    p.drawRect(win);

    // Double frame, drawn on half pixels so that it stays crisp.
    const qreal inset = std::max<qreal>(2.0, std::round(s * 0.045));
    const qreal gap = std::max<qreal>(2.0, std::round(s * 0.035));
    const QRectF outer = win.adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5);
    paintDoubleFrame(p, outer, gap, kWhite, s >= 80 ? 1.25 : 1.0);

    // A title in the middle of the top border: a small yellow bar.
    const qreal barW = std::round(s * 0.2);
    const qreal barH = std::max<qreal>(3.0, std::round(s * 0.055));
    QRectF bar(std::round(win.center().x() - barW / 2.0), std::round(outer.top() + gap / 2.0 - barH / 2.0),
               barW, barH);
    p.fillRect(bar.adjusted(-std::round(s * 0.03), 0, std::round(s * 0.03), 0), QColor(0x12, 0xc2, 0xc2));
    p.fillRect(bar, kYellow);

    // The letter S, blocky as a text-mode glyph.
    QFont font = makeFont(QStringLiteral("DejaVu Sans Mono"), int(std::round(s * 0.44)), QFont::Bold);
    QPainterPath letter;
    letter.addText(0, 0, font, QStringLiteral("S"));
    const QRectF lb = letter.boundingRect();
    const QRectF inner = outer.adjusted(gap, gap, -gap, -gap);
    const QPointF shift(inner.center().x() - lb.center().x(),
                        inner.center().y() - lb.center().y() + s * 0.01);
    letter.translate(shift);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(letter.translated(std::max<qreal>(1.0, s / 48.0), std::max<qreal>(1.0, s / 48.0)));
    p.setBrush(QColor(0x00, 0x00, 0x8c));
    p.drawPath(letter);

    // A text-mode cursor after the letter.
    const qreal curW = std::max<qreal>(2.0, std::round(s * 0.07));
    const qreal curH = std::max<qreal>(2.0, std::round(s * 0.03));
    p.fillRect(QRectF(std::round(letter.boundingRect().right() + s * 0.035),
                      std::round(letter.boundingRect().bottom() - curH), curW, curH),
               kYellow);
    p.restore();
}

QImage drawEmblem(int size)
{
    QImage image = newImage(size, size);
    QPainter p(&image);
    beginPainter(p);
    paintEmblem(p, QRectF(0, 0, size, size));
    return image;
}

// ---------------------------------------------------------------------------------------------
// logo.png: the splash picture.

QImage drawLogo()
{
    const int W = 400;
    const int H = 297;
    const qreal cellW = 8;
    const qreal cellH = 14;
    QImage image = newImage(W, H);
    QPainter p(&image);
    beginPainter(p);

    const qreal menuH = 15;
    const qreal statusH = 17;
    paintScreen(p, QRectF(0, menuH, W, H - menuH - statusH), cellW, cellH);

    // Menu bar along the top row.
    {
        QLinearGradient g(0, 0, 0, menuH);
        g.setColorAt(0, QColor(0xc4, 0xc4, 0xc4));
        g.setColorAt(1, QColor(0xa0, 0xa0, 0xa0));
        p.fillRect(QRectF(0, 0, W, menuH), g);
        p.fillRect(QRectF(0, menuH - 1, W, 1), QColor(0x40, 0x40, 0x40));
        const QFont f = monoFont(11);
        qreal x = 8;
        const QStringList items{QStringLiteral("Fisier"), QStringLiteral("Ferestre"),
                                QStringLiteral("Obiecte"), QStringLiteral("Cod"), QStringLiteral("Ajutor")};
        for (const QString &item : items) {
            paintPieces(p, QPointF(x, 11), {{item.left(1), kRed}, {item.mid(1), kBlack}}, f);
            x += QFontMetricsF(f).horizontalAdvance(item) + 16;
        }
    }

    const QFont winText = monoFont(11);
    const QFont winTitle = monoFont(11, true);

    // Back window: gray.
    TextWindow back;
    back.rect = QRectF(2 * cellW, menuH + 1 * cellH, 25 * cellW, 7 * cellH);
    back.background = QColor(0xb4, 0xb4, 0xb4);
    back.frame = QColor(0x00, 0x00, 0x80);
    back.title = QStringLiteral("Fereastra1");
    back.titleColor = QColor(0x00, 0x00, 0x80);
    back.titleFont = winTitle;
    paintTextWindow(p, back);
    {
        const qreal x = back.rect.left() + 14;
        qreal y = back.rect.top() + 30;
        const QStringList labels{QStringLiteral("Nume   :"), QStringLiteral("Prenume:"),
                                 QStringLiteral("Nota   :")};
        const QStringList values{QStringLiteral("Popescu  "), QStringLiteral("Ana      "),
                                 QStringLiteral("10")};
        for (int i = 0; i < labels.size(); ++i) {
            paintPieces(p, QPointF(x, y), {{labels[i], kBlack}}, winText);
            const qreal fx = x + QFontMetricsF(winText).horizontalAdvance(labels[i]) + 7;
            const qreal fw = i == 2 ? 28 : 76;
            p.fillRect(QRectF(fx, y - 10, fw, 13), kBlue);
            paintPieces(p, QPointF(fx + 3, y), {{values[i].trimmed(), kWhite}}, winText);
            y += 17;
        }
    }

    // A window with the generated program, partly behind the front window.
    TextWindow code;
    code.rect = QRectF(29 * cellW, menuH + 1 * cellH, 19 * cellW, 5 * cellH);
    code.background = QColor(0x00, 0x00, 0x8c);
    code.frame = kLightCyan;
    code.title = QStringLiteral("Cod");
    code.titleColor = kLightCyan;
    code.titleFont = winTitle;
    paintTextWindow(p, code);
    {
        const QFont f = monoFont(10);
        const qreal x = code.rect.left() + 13;
        qreal y = code.rect.top() + 26;
        const QVector<QVector<Piece>> lines{
            {{QStringLiteral("DEFINE WINDOW"), kYellow}, {QStringLiteral(" w1 ;"), kWhite}},
            {{QStringLiteral("  FROM"), kYellow},
             {QStringLiteral(" 2,2 "), kWhite},
             {QStringLiteral("TO"), kYellow},
             {QStringLiteral(" 9,26"), kWhite}},
            {{QStringLiteral("ACTIVATE WINDOW"), kYellow}, {QStringLiteral(" w1"), kWhite}},
        };
        for (const auto &line : lines) {
            paintPieces(p, QPointF(x, y), line, f);
            y += 12;
        }
    }

    // Front window: cyan, with a field and two push buttons.
    TextWindow front;
    front.rect = QRectF(21 * cellW, menuH + 5 * cellH, 27 * cellW, 8 * cellH);
    front.background = kCyan;
    front.frame = kWhite;
    front.title = QStringLiteral("Date elev");
    front.titleColor = kWhite;
    front.titleFont = winTitle;
    paintTextWindow(p, front);
    {
        const qreal x = front.rect.left() + 16;
        qreal y = front.rect.top() + 32;
        paintPieces(p, QPointF(x, y), {{QStringLiteral("Clasa :"), kBlack}}, winText);
        const qreal fx = x + QFontMetricsF(winText).horizontalAdvance(QStringLiteral("Clasa :")) + 7;
        p.fillRect(QRectF(fx, y - 10, 62, 13), kBlue);
        paintPieces(p, QPointF(fx + 3, y), {{QStringLiteral("XII-A"), kWhite}}, winText);
        // The text cursor of the active field.
        p.fillRect(
            QRectF(fx + 3 + QFontMetricsF(winText).horizontalAdvance(QStringLiteral("XII-A")), y + 1, 6, 2),
            kYellow);
        y += 18;
        paintPieces(p, QPointF(x, y), {{QStringLiteral("Profil:"), kBlack}}, winText);
        p.fillRect(QRectF(fx, y - 10, 96, 13), kBlue);
        paintPieces(p, QPointF(fx + 3, y), {{QStringLiteral("informatica"), kWhite}}, winText);

        // Push buttons, the selected one highlighted.
        y += 26;
        const QFontMetricsF fm(winText);
        const QString ok = QStringLiteral("< Salveaza >");
        const QString cancel = QStringLiteral("< Renunta >");
        const qreal okW = fm.horizontalAdvance(ok);
        const qreal bx = front.rect.left() + 18;
        p.fillRect(QRectF(bx - 2, y - 10, okW + 4, 13), kWhite);
        paintPieces(p, QPointF(bx, y), {{ok, kBlack}}, winText);
        paintPieces(p, QPointF(bx + okW + 16, y), {{cancel, kBlack}}, winText);
    }

    // Status line at the bottom: the slogan and the version.
    {
        QLinearGradient g(0, H - statusH, 0, H);
        g.setColorAt(0, QColor(0x10, 0xb8, 0xb8));
        g.setColorAt(1, QColor(0x00, 0x98, 0x98));
        p.fillRect(QRectF(0, H - statusH, W, statusH), g);
        p.fillRect(QRectF(0, H - statusH, W, 1), QColor(0x00, 0x40, 0x40));
        const QFont f = monoFont(11);
        paintPieces(p, QPointF(8, H - 5),
                    {{QStringLiteral("Proiectant de interfete Fox PRO 2.x in mod text"), kBlack}}, f);
        const QString version = QStringLiteral("v1.0.0");
        const qreal vw = QFontMetricsF(f).horizontalAdvance(version);
        p.fillRect(QRectF(W - vw - 14, H - statusH + 2, vw + 8, statusH - 4), kBlue);
        paintPieces(p, QPointF(W - vw - 10, H - 5), {{version, kYellow}}, f);
    }

    // The product name, large, over a dark band.
    {
        const QRectF band(0, 214, W, 64);
        QLinearGradient g(band.topLeft(), band.bottomLeft());
        g.setColorAt(0.0, QColor(0, 0, 0x30, 0));
        g.setColorAt(0.35, QColor(0, 0, 0x30, 150));
        g.setColorAt(1.0, QColor(0, 0, 0x30, 190));
        p.fillRect(band, g);

        const QFont big = sansFont(38, true);
        const QVector<Piece> name{{QStringLiteral("Sirolant"), kWhite},
                                  {QStringLiteral(" Studio"), kLightCyan}};
        const qreal nw = piecesWidth(name, big);
        const QPointF base((W - nw) / 2.0, 264);
        paintPieces(p, base, name, big, QColor(0, 0, 0, 200), QPointF(3, 3));
    }

    return image;
}

// ---------------------------------------------------------------------------------------------
// banner1.png .. banner4.png: frames of the banner in the code viewer.

const qreal kBannerTextX = 52;
const qreal kBannerMargin = 10;
const qreal kBannerDot = 5;
const qreal kBannerDotStep = 8;

QImage drawBanner(int index, int count, const QVector<Piece> &message, const QFont &font)
{
    const int W = 468;
    const int H = 48;
    QImage image = newImage(W, H);
    QPainter p(&image);
    beginPainter(p);

    paintScreen(p, QRectF(0, 0, W, H), 8, 8);
    paintDoubleFrame(p, QRectF(2.5, 2.5, W - 5, H - 5), 3, QColor(0x55, 0xff, 0xff, 210));

    paintEmblem(p, QRectF(11, 8, 32, 32));

    // The message, vertically centred, followed by a text-mode cursor.
    const QFontMetricsF fm(font);
    const qreal textX = kBannerTextX;
    const qreal baseline = std::round(H / 2.0 + (fm.ascent() - fm.descent()) / 2.0);
    paintPieces(p, QPointF(textX, baseline), message, font, QColor(0, 0, 0, 190), QPointF(2, 2));
    const qreal cursorX = textX + piecesWidth(message, font) + 4;
    const qreal cw = fm.horizontalAdvance(QLatin1Char('M'));
    p.fillRect(QRectF(std::round(cursorX), baseline + 1, std::round(cw), 3), kYellow);

    // Which frame this is: a row of small squares at the right.
    const qreal dot = kBannerDot;
    const qreal step = kBannerDotStep;
    qreal x = W - kBannerMargin - count * step + (step - dot);
    for (int i = 0; i < count; ++i) {
        const QRectF r(x, (H - dot) / 2.0, dot, dot);
        if (i == index) {
            p.fillRect(r, kYellow);
        } else {
            p.setPen(QPen(QColor(0x55, 0xff, 0xff, 150), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        x += step;
    }
    return image;
}

QVector<QImage> drawBanners()
{
    const QVector<QVector<Piece>> messages{
        {{QStringLiteral("Sirolant"), kYellow},
         {QStringLiteral(": ferestre Fox PRO in cateva clicuri"), kWhite}},
        {{QStringLiteral("Genereaza codul si salveaza-l ca "), kWhite}, {QStringLiteral(".PRG"), kYellow}},
        {{QStringLiteral("@ SAY"), kYellow},
         {QStringLiteral(", "), kWhite},
         {QStringLiteral("@ GET"), kYellow},
         {QStringLiteral(" si butoane pe grila "), kWhite},
         {QStringLiteral("80 x 25"), kLightCyan}},
        {{QStringLiteral("Sirolant Studio "), kYellow},
         {QStringLiteral("v1.0.0"), kLightCyan},
         {QStringLiteral(" pentru Fox PRO 2.x"), kWhite}},
    };

    // One font size for every frame: the largest that lets the longest message fit.
    // Room from the start of the text to a small gap before the frame squares.
    const qreal room = 468 - kBannerMargin - messages.size() * kBannerDotStep - 8 - kBannerTextX;
    int size = 15;
    for (; size > 8; --size) {
        const QFont f = monoFont(size, true);
        bool fits = true;
        for (const auto &m : messages)
            fits =
                fits && piecesWidth(m, f) + 4 + QFontMetricsF(f).horizontalAdvance(QLatin1Char('M')) <= room;
        if (fits)
            break;
    }
    const QFont font = monoFont(size, true);
    QTextStream(stdout) << "banner font: " << size << " px\n";

    QVector<QImage> frames;
    for (int i = 0; i < messages.size(); ++i)
        frames.append(drawBanner(i, messages.size(), messages[i], font));
    return frames;
}

// ---------------------------------------------------------------------------------------------
// Tool bar icons, 24 x 24.

using IconPainter = std::function<void(QPainter &)>;

QImage drawIcon(const IconPainter &paint)
{
    QImage image = newImage(24, 24);
    QPainter p(&image);
    beginPainter(p);
    paint(p);
    return image;
}

// A small text-mode window: title strip, cyan body, inner frame line and shadow.
void iconWindow(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(r.translated(2, 2));

    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0.0, QColor(0x3c, 0xcf, 0xdc));
    body.setColorAt(1.0, QColor(0x0e, 0x96, 0xa8));
    p.setBrush(body);
    p.drawRect(r);

    const QRectF title(r.left(), r.top(), r.width(), 4);
    QLinearGradient tg(title.topLeft(), title.bottomLeft());
    tg.setColorAt(0.0, QColor(0x30, 0x58, 0xc8));
    tg.setColorAt(1.0, kIconTitle);
    p.setBrush(tg);
    p.drawRect(title);

    // Inner line, the second line of the double border.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.drawRect(QRectF(r.left() + 2.5, r.top() + 6.5, r.width() - 5, r.height() - 9));

    p.setPen(QPen(kIconOutline, 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.drawLine(QPointF(r.left(), r.top() + 4.5), QPointF(r.right(), r.top() + 4.5));
    p.restore();
}

void iconBadge(QPainter &p, const QPointF &c, qreal radius, const QColor &top, const QColor &bottom)
{
    p.save();
    QLinearGradient g(c.x(), c.y() - radius, c.x(), c.y() + radius);
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.setPen(QPen(kWhite, 1.2));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(bottom.darker(150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius + 0.9, radius + 0.9);
    p.restore();
}

void iconCreate(QPainter &p)
{
    iconWindow(p, QRectF(1, 2, 17, 14));
    const QPointF c(17, 17);
    iconBadge(p, c, 5.5, QColor(0x5c, 0xd0, 0x5c), QColor(0x1f, 0x8a, 0x2a));
    p.fillRect(QRectF(c.x() - 3, c.y() - 1, 6, 2), kWhite);
    p.fillRect(QRectF(c.x() - 1, c.y() - 3, 2, 6), kWhite);
}

void iconDeleteWindow(QPainter &p)
{
    iconWindow(p, QRectF(1, 2, 17, 14));
    const QPointF c(17, 17);
    iconBadge(p, c, 5.5, QColor(0xf0, 0x5a, 0x4a), QColor(0xb0, 0x14, 0x14));
    QPen pen(kWhite, 1.9, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(c + QPointF(-2.3, -2.3), c + QPointF(2.3, 2.3));
    p.drawLine(c + QPointF(-2.3, 2.3), c + QPointF(2.3, -2.3));
}

void iconCode(QPainter &p)
{
    // A page with a folded corner.
    const QRectF page(3.5, 1.5, 16, 21);
    const qreal fold = 5;
    QPainterPath path;
    path.moveTo(page.topLeft());
    path.lineTo(page.right() - fold, page.top());
    path.lineTo(page.right(), page.top() + fold);
    path.lineTo(page.bottomRight());
    path.lineTo(page.bottomLeft());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(path.translated(1.5, 1.5));
    QLinearGradient g(page.topLeft(), page.bottomRight());
    g.setColorAt(0.0, kWhite);
    g.setColorAt(1.0, QColor(0xdd, 0xe6, 0xf4));
    p.setBrush(g);
    p.setPen(QPen(kIconOutline, 1));
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    p.setBrush(QColor(0xc4, 0xd0, 0xe4));
    p.drawPath(corner);

    // Lines of a program.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x98, 0xb4));
    p.drawRect(QRectF(6, 5, 7, 1));
    p.drawRect(QRectF(6, 8, 11, 1));
    p.drawRect(QRectF(6, 19, 9, 1));

    // Angle brackets.
    QPen pen(kIconBlue, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPolygonF left{QPointF(9.5, 11), QPointF(6.5, 13.75), QPointF(9.5, 16.5)};
    QPolygonF right{QPointF(13.5, 11), QPointF(16.5, 13.75), QPointF(13.5, 16.5)};
    p.drawPolyline(left);
    p.drawPolyline(right);
    p.setPen(QPen(QColor(0xd0, 0x50, 0x20), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.4, 10.8), QPointF(10.6, 16.7));
}

void iconSay(QPainter &p)
{
    QFont big = sansFont(17, true);
    QFont small = sansFont(13, true);
    QPainterPath a1;
    a1.addText(0, 0, big, QStringLiteral("A"));
    QPainterPath a2;
    a2.addText(0, 0, small, QStringLiteral("a"));
    const qreal baseline = 17;
    a1.translate(1 - a1.boundingRect().left(), baseline);
    a2.translate(a1.boundingRect().right() + 1.0 - a2.boundingRect().left(), baseline);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawPath(a1.translated(1, 1));
    p.drawPath(a2.translated(1, 1));
    QLinearGradient g(0, 4, 0, baseline);
    g.setColorAt(0.0, QColor(0x2a, 0x3e, 0x78));
    g.setColorAt(1.0, kIconOutline);
    p.setBrush(g);
    p.drawPath(a1);
    QLinearGradient g2(0, 8, 0, baseline);
    g2.setColorAt(0.0, QColor(0x3a, 0x80, 0xf0));
    g2.setColorAt(1.0, kIconBlue.darker(115));
    p.setBrush(g2);
    p.drawPath(a2);

    // The row the text sits on.
    p.fillRect(QRectF(1, 20, 22, 2), QColor(0x0e, 0x9c, 0xac));
}

void iconGet(QPainter &p)
{
    const QRectF box(1.5, 5.5, 21, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRoundedRect(box.translated(1, 1.5), 2, 2);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(0xf0, 0xf4, 0xfa));
    g.setColorAt(1.0, kWhite);
    p.setBrush(g);
    p.setPen(QPen(kIconBlue, 1));
    p.drawRoundedRect(box, 2, 2);
    p.setPen(QPen(QColor(0x9c, 0xb8, 0xe8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3, 7.5), QPointF(21, 7.5));

    // Typed text and the caret.
    QPainterPath text;
    text.addText(0, 0, sansFont(9, true), QStringLiteral("ab"));
    text.translate(4 - text.boundingRect().left(), 15.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x46, 0x60));
    p.drawPath(text);

    const qreal cx = 16.5;
    p.setPen(QPen(kIconOutline, 1));
    p.drawLine(QPointF(cx, 8), QPointF(cx, 16));
    p.drawLine(QPointF(cx - 1.5, 7.5), QPointF(cx + 1.5, 7.5));
    p.drawLine(QPointF(cx - 1.5, 16.5), QPointF(cx + 1.5, 16.5));
}

void iconButton(QPainter &p)
{
    const QRectF r(1.5, 5.5, 20, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(r.translated(1, 1.5), 3.5, 3.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(0x6c, 0xa8, 0xf4));
    g.setColorAt(0.5, QColor(0x2e, 0x74, 0xe0));
    g.setColorAt(1.0, QColor(0x1a, 0x4e, 0xb0));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x10, 0x30, 0x78), 1));
    p.drawRoundedRect(r, 3.5, 3.5);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(4, 7), QPointF(19, 7));

    QPainterPath text;
    text.addText(0, 0, sansFont(8, true), QStringLiteral("OK"));
    const QRectF tb = text.boundingRect();
    text.translate(r.center().x() - tb.center().x(), r.center().y() - tb.center().y() + 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0x40, 120));
    p.drawPath(text.translated(0.6, 0.6));
    p.setBrush(kWhite);
    p.drawPath(text);

    // A mouse pointer pressing it.
    QPolygonF arrow{QPointF(15, 12),     QPointF(15, 22),   QPointF(17.3, 19.8), QPointF(19, 23.2),
                    QPointF(20.6, 22.4), QPointF(18.9, 19), QPointF(22, 19)};
    p.setPen(QPen(kBlack, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kWhite);
    p.drawPolygon(arrow);
}

void iconProperties(QPainter &p)
{
    // A form: a sheet with labels and fields.
    const QRectF sheet(1.5, 1.5, 16, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(sheet.translated(1.5, 1.5));
    QLinearGradient g(sheet.topLeft(), sheet.bottomRight());
    g.setColorAt(0.0, kWhite);
    g.setColorAt(1.0, QColor(0xdd, 0xe6, 0xf4));
    p.setBrush(g);
    p.setPen(QPen(kIconOutline, 1));
    p.drawRect(sheet);
    p.fillRect(QRectF(2, 2, 15, 3), kIconTitle);

    for (int i = 0; i < 3; ++i) {
        const qreal y = 7 + i * 4.5;
        p.fillRect(QRectF(4, y + 1, 3, 1), QColor(0x60, 0x6c, 0x88));
        p.setPen(QPen(kIconBlue, 1));
        p.setBrush(kWhite);
        p.drawRect(QRectF(8.5, y - 0.5, 6, 3));
    }

    // A pencil across the corner.
    p.save();
    p.translate(17.5, 14.5);
    p.rotate(45);
    // Local coordinates: the pencil lies along the y axis, tip at positive y.
    const qreal w = 4.4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(-w / 2 + 1.2, -9, w, 13));
    QLinearGradient body(-w / 2, 0, w / 2, 0);
    body.setColorAt(0.0, QColor(0xff, 0xc8, 0x40));
    body.setColorAt(0.5, QColor(0xff, 0xa8, 0x1c));
    body.setColorAt(1.0, QColor(0xd0, 0x78, 0x00));
    p.setPen(QPen(QColor(0x5a, 0x34, 0x00), 0.9));
    p.setBrush(QColor(0xf0, 0x88, 0x98));
    p.drawRect(QRectF(-w / 2, -10, w, 3));
    p.setBrush(body);
    p.drawRect(QRectF(-w / 2, -7, w, 10));
    QPolygonF tip{QPointF(-w / 2, 3), QPointF(w / 2, 3), QPointF(0, 8)};
    p.setBrush(QColor(0xf4, 0xd8, 0xa8));
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPolygon(QPolygonF{QPointF(-1.0, 6.4), QPointF(1.0, 6.4), QPointF(0, 8)});
    p.restore();
}

void iconDeleteObject(QPainter &p)
{
    QPainterPath cross;
    cross.moveTo(5, 5);
    cross.lineTo(19, 19);
    cross.moveTo(19, 5);
    cross.lineTo(5, 19);
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath shape = stroker.createStroke(cross).simplified();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(shape.translated(1, 1.5));
    QLinearGradient g(0, 3, 0, 21);
    g.setColorAt(0.0, QColor(0xff, 0x6a, 0x5a));
    g.setColorAt(0.5, QColor(0xe0, 0x2a, 0x20));
    g.setColorAt(1.0, QColor(0xa8, 0x10, 0x10));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x70, 0x08, 0x08), 1));
    p.drawPath(shape);
}

// ---------------------------------------------------------------------------------------------

struct Output {
    QString name;
    QImage image;
};

QImage contactSheet(const QVector<Output> &outputs)
{
    // Everything side by side: the icons at 1x and 6x, the pictures at 1x and 2x.
    const int pad = 12;
    int width = 0;
    int height = pad;
    QVector<QPair<QImage, QPoint>> placed;
    int x = pad;
    int rowH = 0;
    const int maxW = 1000;
    for (const Output &o : outputs) {
        QVector<QImage> versions{o.image};
        const int scale = o.image.width() <= 32 ? 8 : (o.image.width() <= 100 ? 3 : 2);
        versions.append(o.image.scaled(o.image.width() * scale, o.image.height() * scale));
        for (const QImage &v : versions) {
            if (x + v.width() + pad > maxW) {
                x = pad;
                height += rowH + pad;
                rowH = 0;
            }
            placed.append({v, QPoint(x, height)});
            x += v.width() + pad;
            rowH = std::max(rowH, v.height());
            width = std::max(width, x);
        }
    }
    height += rowH + pad;
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter p(&sheet);
    for (const auto &pl : placed) {
        // A checker board behind, to show transparency.
        for (int yy = 0; yy < pl.first.height(); yy += 8)
            for (int xx = 0; xx < pl.first.width(); xx += 8)
                if (((xx + yy) / 8) % 2)
                    p.fillRect(QRect(pl.second + QPoint(xx, yy), QSize(std::min(8, pl.first.width() - xx),
                                                                       std::min(8, pl.first.height() - yy))),
                               QColor(0xd4, 0xd4, 0xd4));
        p.drawImage(pl.second, pl.first);
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);

    QString dir = QDir::cleanPath(QStringLiteral(SIROLANT_IMAGES_DIR));
    QString icons = QDir::cleanPath(QStringLiteral(SIROLANT_ICONS_DIR));
    QString preview;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
            preview = args[++i];
        else if (args[i] == QLatin1String("--icons") && i + 1 < args.size())
            icons = args[++i];
        else
            dir = args[i];
    }
    QDir().mkpath(dir);

    QVector<Output> outputs;
    outputs.append({QStringLiteral("logo.png"), drawLogo()});
    outputs.append({QStringLiteral("produs.png"), drawEmblem(96)});
    outputs.append({QStringLiteral("sirolant.png"), drawEmblem(64)});
    const QVector<QImage> banners = drawBanners();
    for (int i = 0; i < banners.size(); ++i)
        outputs.append({QStringLiteral("banner%1.png").arg(i + 1), banners[i]});
    outputs.append({QStringLiteral("creaza.png"), drawIcon(iconCreate)});
    outputs.append({QStringLiteral("sterge.png"), drawIcon(iconDeleteWindow)});
    outputs.append({QStringLiteral("cod.png"), drawIcon(iconCode)});
    outputs.append({QStringLiteral("say.png"), drawIcon(iconSay)});
    outputs.append({QStringLiteral("get.png"), drawIcon(iconGet)});
    outputs.append({QStringLiteral("buton.png"), drawIcon(iconButton)});
    outputs.append({QStringLiteral("proprietati.png"), drawIcon(iconProperties)});
    outputs.append({QStringLiteral("stergeobiect.png"), drawIcon(iconDeleteObject)});

    // Drawn at each size rather than scaled from one picture, so the large ones stay sharp.
    QVector<Output> iconOutputs;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        QDir(icons).mkpath(sub);
        iconOutputs.append({sub + QLatin1String("/ro.sirolant.Sirolant.png"), drawEmblem(size)});
    }

    QTextStream out(stdout);
    int failures = 0;
    for (const Output &o : outputs + iconOutputs) {
        const QString path = QDir(o.name.contains(QLatin1Char('/')) ? icons : dir).filePath(o.name);
        if (o.image.save(path, "PNG")) {
            out << path << "  " << o.image.width() << " x " << o.image.height() << "\n";
        } else {
            out << "could not write " << path << "\n";
            ++failures;
        }
    }
    if (!preview.isEmpty()) {
        // Two sheets: the small images (icons and emblems), then the wide pictures.
        QVector<Output> small;
        QVector<Output> wide;
        for (const Output &o : outputs)
            (o.image.width() <= 100 ? small : wide).append(o);
        const QString base = preview.endsWith(QLatin1String(".png")) ? preview.chopped(4) : preview;
        contactSheet(small).save(base + QLatin1String("-small.png"), "PNG");
        contactSheet(wide).save(base + QLatin1String("-wide.png"), "PNG");
    }
    return failures == 0 ? 0 : 1;
}
