#include "CursorThemes.h"

#include "CursorShapes.h"
#include "CursorWriter.h"

#include <cmath>
#include <numbers>

using namespace cursorart;

namespace {

constexpr double tau = 2.0 * std::numbers::pi;
constexpr QPoint arrowTip(1, 1);
constexpr QPoint centre(16, 16);
constexpr int normalJiffies = 12; // 0.2 s: a calm idle motion
constexpr int busyJiffies = 8;

// Draws `shape` centred at (x, y), scaled from its 20-unit box and turned by `degrees`.
template <typename Shape>
void place(QPainter& p, double x, double y, double scale, double degrees, Shape shape) {
    p.save();
    p.translate(x, y);
    p.rotate(degrees);
    p.scale(scale, scale);
    shape(p);
    p.restore();
}

const QColor pointerWhite(250, 250, 250);
const QColor teal(0, 171, 205);

void notesNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 22, 21 - 2 * std::sin(tau * phase), 0.75, 8 * std::sin(tau * phase),
          [](QPainter& q) { drawNote(q, teal); });
}

void notesBusy(QPainter& p, double phase) {
    const QColor colours[] = {teal, QColor(250, 200, 40), QColor(240, 90, 120)};
    for (int i = 0; i < 3; ++i) {
        const double angle = tau * (phase + i / 3.0);
        place(p, 16 + 9 * std::sin(angle), 16 - 9 * std::cos(angle), 0.55, 0,
              [&](QPainter& q) { drawNote(q, colours[i]); });
    }
}

void hardRockNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 22, 21, 0.85, -35 + 10 * std::sin(tau * phase), drawElectricGuitar);
}

void hardRockBusy(QPainter& p, double phase) {
    place(p, 16, 16, 1.35, 360 * phase, drawElectricGuitar);
}

void natureNormal(QPainter& p, double) {
    drawPointer(p, QColor(200, 240, 170));
    place(p, 22.5, 22, 0.8, 35, drawLeaf);
}

void natureBusy(QPainter& p, double phase) {
    place(p, 16 + 3 * std::sin(tau * phase), 16, 1.3, 360 * phase, drawLeaf);
}

void guitarNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 22, 21, 0.85, 25 + 8 * std::sin(tau * phase), drawAcousticGuitar);
}

void guitarBusy(QPainter& p, double phase) {
    place(p, 13, 17, 1.25, 20, drawAcousticGuitar);
    const double rise = 12 * phase; // a note leaves the sound hole and fades
    p.setOpacity(1.0 - phase * 0.8);
    place(p, 23 + 2 * std::sin(tau * phase), 18 - rise, 0.5, 0,
          [](QPainter& q) { drawNote(q, teal); });
    p.setOpacity(1.0);
}

void spinNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 22.5, 22.5, 0.85, 120 * phase, drawPropeller);
}

void spinBusy(QPainter& p, double phase) {
    place(p, 16, 16, 1.45, 120 * phase, drawPropeller);
}

void coffeeNormal(QPainter& p, double) {
    drawPointer(p, pointerWhite);
    place(p, 22, 23, 0.85, 0, [](QPainter& q) { drawCoffeeCup(q, false); });
}

void coffeeBusy(QPainter& p, double) {
    place(p, 14, 17, 1.25, 0, [](QPainter& q) { drawCoffeeCup(q, true); });
    place(p, 24, 28, 0.9, -15, drawCigarette);
}

void dixieNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 21.5, 23, 0.85, -20 + 6 * std::sin(tau * phase), drawTrumpet);
}

void dixieBusy(QPainter& p, double phase) {
    place(p, 12, 20, 1.05, -10, drawTrumpet);
    for (int i = 0; i < 2; ++i) {
        const double t = std::fmod(phase + i * 0.5, 1.0);
        p.setOpacity(1.0 - t * 0.7);
        place(p, 22 + 7 * t, 14 - 8 * t, 0.45, 0, [](QPainter& q) { drawNote(q, teal); });
    }
    p.setOpacity(1.0);
}

void countryNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 25, 13 - 3 * phase, 1, 0, [&](QPainter& q) { drawSmokePuff(q, 1.5, 1 - phase); });
    place(p, 22, 23, 0.82, 0, drawHouse);
}

void countryBusy(QPainter& p, double phase) {
    for (int i = 0; i < 3; ++i) {
        const double t = std::fmod(phase + i / 3.0, 1.0);
        place(p, 22 + 3 * t, 8 - 7 * t, 1, 0,
              [&](QPainter& q) { drawSmokePuff(q, 1.2 + 1.6 * t, 1 - 0.8 * t); });
    }
    place(p, 16, 19, 1.2, 0, drawHouse);
}

void ageNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 22, 22, 0.82, 6 * std::sin(tau * phase), drawHelmet);
}

void ageBusy(QPainter& p, double phase) {
    place(p, 16, 16, 1.4, 360 * phase, drawSword);
    place(p, 16, 17, 0.95, 0, drawHelmet);
}

void gravityNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    p.save(); // the apple swings from its stem like a pendulum
    p.translate(22, 13);
    p.rotate(14 * std::sin(tau * phase));
    place(p, 0, 9, 0.82, 0, drawApple);
    p.restore();
}

void gravityBusy(QPainter& p, double phase) {
    const double height = 1.0 - std::pow(2 * phase - 1, 2); // 0 on the ground, 1 at the top
    p.setPen(outline(QColor(120, 120, 120)));
    p.drawLine(QPointF(5, 30.5), QPointF(27, 30.5));
    place(p, 16, 24 - 16 * height, 0.95, 0, drawApple);
}

void knightNormal(QPainter& p, double phase) {
    drawPointer(p, pointerWhite);
    place(p, 22, 22 - 2.5 * std::abs(std::sin(tau * phase)), 0.82, 0, drawKnight);
}

void knightBusy(QPainter& p, double phase) {
    for (int square = 0; square < 4; ++square) { // a small board under the jumping piece
        p.fillRect(QRectF(4 + 6 * square, 27, 6, 4),
                   square % 2 ? QColor(40, 45, 50) : QColor(230, 230, 230));
    }
    p.setPen(outline());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 27, 24, 4));
    const double across = 0.5 - 0.5 * std::cos(tau * phase);
    place(p, 10 + 12 * across, 18 - 8 * std::sin(std::numbers::pi * across), 0.95, 0, drawKnight);
}

ThemeCursorFile animated(const char* name, int frames, QPoint hotspot, int jiffies,
                         void (*draw)(QPainter&, double)) {
    return ThemeCursorFile{QString::fromLatin1(name), frames, hotspot, jiffies, draw};
}

ThemeCursorFile still(const char* name, QPoint hotspot, void (*draw)(QPainter&, double)) {
    return ThemeCursorFile{QString::fromLatin1(name), 1, hotspot, 0, draw};
}

} // namespace

QList<ThemeCursorFile> themeCursorFiles() {
    return {
        animated("NotezNormal.ani", 4, arrowTip, normalJiffies, notesNormal),
        animated("NotezWait.ani", 8, centre, busyJiffies, notesBusy),
        animated("HardRockNormal.ani", 4, arrowTip, normalJiffies, hardRockNormal),
        animated("HardRockWait.ani", 8, centre, busyJiffies, hardRockBusy),
        still("NatureNormal.cur", arrowTip, natureNormal),
        animated("NatureWait.ani", 8, centre, busyJiffies, natureBusy),
        animated("GuitarNormal.ani", 4, arrowTip, normalJiffies, guitarNormal),
        animated("GuitarWait.ani", 6, centre, busyJiffies, guitarBusy),
        animated("SpinNormal.ani", 4, arrowTip, normalJiffies, spinNormal),
        animated("SpinWait.ani", 8, centre, busyJiffies / 2, spinBusy),
        still("CoffeeCigNormal.cur", arrowTip, coffeeNormal),
        still("CoffeeCigWait.cur", centre, coffeeBusy),
        animated("DixieNormal.ani", 4, arrowTip, normalJiffies, dixieNormal),
        animated("DixieWait.ani", 6, centre, busyJiffies, dixieBusy),
        animated("CountryNormal.ani", 4, arrowTip, normalJiffies, countryNormal),
        animated("CountryWait.ani", 6, centre, busyJiffies, countryBusy),
        animated("AgeNormal.ani", 4, arrowTip, normalJiffies, ageNormal),
        animated("AgeWait.ani", 8, centre, busyJiffies, ageBusy),
        animated("GravityNormal.ani", 4, arrowTip, normalJiffies, gravityNormal),
        animated("GravityWait.ani", 8, centre, busyJiffies, gravityBusy),
        animated("KnightNormal.ani", 4, arrowTip, normalJiffies, knightNormal),
        animated("KnightWait.ani", 6, centre, busyJiffies, knightBusy),
    };
}

QImage renderCursorFrame(const ThemeCursorFile& file, int frame) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    file.draw(painter, double(frame) / file.frameCount);
    painter.end();
    return image;
}

QByteArray cursorFileBytes(const ThemeCursorFile& file) {
    if (file.fileName.endsWith(QLatin1String(".cur")))
        return cursorfile::curBytes(renderCursorFrame(file, 0), file.hotspot);
    QList<QImage> frames;
    for (int i = 0; i < file.frameCount; ++i)
        frames.append(renderCursorFrame(file, i));
    cursorfile::AniOptions options;
    options.jiffies = file.jiffies;
    // Busy cursors also carry the per-step "rate" chunk; both forms occur in the wild.
    options.rateChunk = file.hotspot == centre;
    options.title = file.fileName.section(QLatin1Char('.'), 0, 0);
    return cursorfile::aniBytes(frames, file.hotspot, options);
}
