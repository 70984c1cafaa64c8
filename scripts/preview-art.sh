#!/usr/bin/env bash
# Renders the artwork in res/ the way the program shows it (Qt SVG into an image at the
# exact pixel size), so a change to a picture can be looked at before it is committed.
#
#   scripts/preview-art.sh [OUTDIR]        (default: /tmp/ordisan-art)
#
# Writes every picture at its own size (the 16 px icons also at 32 px, the application
# icon at 16, 32, 48 and 256 px), a sheet of the tree icons enlarged, and two mock-ups:
# the main menu with its buttons in place (also with one held down) and the diagnosis
# dialog background with white rectangles where the trees stand.
# Needs qt6-svg-dev and the DejaVu fonts (scripts/install-deps.sh installs both).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-/tmp/ordisan-art}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

cat > "$work/preview.cpp" <<'CPP'
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

static QImage render(const QString& file, int w, int h, QColor bg = Qt::transparent)
{
    QSvgRenderer svg(file);
    if (!svg.isValid())
        qWarning("cannot read %s", qPrintable(file));
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(bg);
    QPainter p(&img);
    svg.render(&p, QRectF(0, 0, w, h));
    return img;
}

static QImage enlarged(const QImage& img, int f)
{
    return img.scaled(img.size() * f, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The main menu: background and the four buttons at their rectangles in pixels.
static void mainMenu(const QString& res, const QString& file, const QString& held)
{
    QImage img = render(res + "/bitmap179.svg", 640, 480, Qt::white);
    QPainter p(&img);
    struct Button { const char* name; int x, y, w, h; };
    const Button buttons[] = {{"PREGLED", 107, 154, 430, 39}, {"DIJAGNOSTICIRANJE", 194, 211, 255, 43},
                              {"RJECNIK", 243, 270, 119, 38}, {"IZLAZAK", 170, 325, 295, 41}};
    for (const Button& b : buttons) {
        QString state = held == b.name ? "D" : "U";
        p.drawImage(b.x, b.y, render(res + "/" + b.name + state + ".svg", b.w, b.h));
    }
    p.end();
    img.save(file);
}

// The diagnosis dialog: marble and title band, white trees with a few rows, picture
// buttons and plain stand-ins for the two push buttons. (The panels behind the trees and
// the frames behind the buttons are drawn by the program's own widgets, not here.)
static void diagnosis(const QString& res, const QString& file, const QString& state)
{
    QImage img = render(res + "/bitmap173.svg", 640, 480, Qt::white);
    QPainter p(&img);
    p.drawImage(0, 0, render(res + "/bitmap174.svg", 600, 49));
    p.setPen(QColor("#7a7a7a"));
    p.setBrush(Qt::white);
    p.drawRect(QRect(26, 80, 245, 381));
    p.drawRect(QRect(294, 80, 241, 381));
    p.drawImage(563, 59, render(res + "/PR" + state + ".svg", 54, 58));
    p.drawImage(561, 140, render(res + "/RJ" + state + ".svg", 58, 57));
    p.setBrush(QColor("#efefef"));
    p.setPen(QColor("#8a8a8a"));
    p.drawRect(QRect(554, 218, 74, 222));
    p.drawRect(QRect(554, 447, 74, 23));
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(554, 218, 75, 223), Qt::AlignCenter, "<<Rangiraj>>");
    p.drawText(QRect(554, 447, 75, 24), Qt::AlignCenter, "Izlazak");
    const QStringList bands = {"icon147", "icon146", "icon145", "icon148", "icon149"};
    const QStringList syndromes = {"(91%) - Gripa", "(67%) - Angina", "(50%) - Sinusitis",
                                   "(28%) - Migrena", "(0%) - Lumbago"};
    for (int i = 0; i < bands.size(); ++i) {
        p.drawImage(46, 86 + i * 18, render(res + "/" + bands[i] + ".svg", 16, 16));
        p.drawText(66, 99 + i * 18, syndromes[i]);
    }
    const QStringList answers = {"icon141", "icon142", "icon144"};
    const QStringList symptoms = {"(72%) - Povišena temperatura", "(61%) - Kašalj", "(50%) - Glavobolja"};
    for (int i = 0; i < answers.size(); ++i) {
        p.drawImage(300, 86 + i * 18, render(res + "/" + answers[i] + ".svg", 16, 16));
        p.drawText(320, 99 + i * 18, symptoms[i]);
    }
    p.end();
    img.save(file);
}

// The tree icons at 16 and 32 px and enlarged six times, on white and on a selection blue.
static void iconSheet(const QString& res, const QString& file)
{
    const QStringList names = {"icon134", "icon150", "icon151", "icon152", "icon153", "icon137", "icon138",
                               "icon141", "icon142", "icon144", "icon149", "icon148", "icon145", "icon146",
                               "icon147", "icon128-16"};
    QImage img(20 + names.size() * 110, 300, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(0, 150, img.width(), 150, QColor("#3874c8"));
    for (int i = 0; i < names.size(); ++i) {
        QString f = res + "/" + names[i] + ".svg";
        QImage small = render(f, 16, 16), large = render(f, 32, 32);
        for (int row = 0; row < 2; ++row) {
            int x = 10 + i * 110, y = 10 + row * 150;
            p.drawImage(x, y, small);
            p.drawImage(x + 24, y, large);
            p.drawImage(x, y + 40, enlarged(small, 6));
            p.setPen(row ? Qt::white : Qt::black);
            p.drawText(x + 60, y + 12, names[i].mid(4));
        }
    }
    p.end();
    img.save(file);
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString res = app.arguments().at(1), out = app.arguments().at(2);
    for (const QFileInfo& f : QDir(res).entryInfoList({"*.svg"}, QDir::Files, QDir::Name)) {
        QSize size = QSvgRenderer(f.filePath()).defaultSize();
        render(f.filePath(), size.width(), size.height()).save(out + "/" + f.baseName() + ".png");
        if (size == QSize(16, 16))
            render(f.filePath(), 32, 32).save(out + "/" + f.baseName() + "@2x.png");
    }
    for (int s : {16, 32, 48, 256}) {
        QString f = res + (s == 16 ? "/icon128-16.svg" : "/icon128.svg");
        render(f, s, s).save(out + QString("/app-icon-%1.png").arg(s));
    }
    iconSheet(res, out + "/icons-sheet.png");
    mainMenu(res, out + "/mock-main-menu.png", "");
    mainMenu(res, out + "/mock-main-menu-held.png", "DIJAGNOSTICIRANJE");
    diagnosis(res, out + "/mock-diagnosis.png", "U");
    diagnosis(res, out + "/mock-diagnosis-held.png", "D");
    return 0;
}
CPP

g++ -std=c++20 -O1 -fPIC "$work/preview.cpp" -o "$work/preview" $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/preview" "$root/res" "$out"
echo "Pictures written to $out"
