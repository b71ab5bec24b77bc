// The pictures behind the entry screens: every input box of a screen sits on an answer
// cell of its picture, and no caption is hidden under a box.
#include "form/drawingpainter.h"
#include "form/formpictures.h"
#include "form/screendrawings.h"

#include <QGuiApplication>
#include <QTest>

using namespace gaikyo;

namespace {

struct Box {
    QString name;
    QRect rect;
};

QString text(int n) {
    return QStringLiteral("Text%1").arg(n);
}

// The input boxes of each screen, where the screens place them.
QList<Box> boxesOf(const QString& screen) {
    QList<Box> boxes;
    auto add = [&](int n, int x, int y, int w, int h) { boxes.append({text(n), {x, y, w, h}}); };
    if (screen == QLatin1String("Form3")) {
        for (int i = 0; i < 19; ++i)
            add(1 + i, 176, i == 0 ? 3 : 24 * i, 177, 24);
        for (int i = 0; i < 16; ++i)
            add(20 + i, 504, 24 * i, 177, 24);
        add(36, 192, 456, 145, 24);
        add(37, 192, 480, 145, 24);
        add(38, 24, 480, 145, 24);
        add(39, 368, 456, 145, 24);
        add(40, 368, 480, 145, 24);
        add(41, 544, 456, 137, 24);
        add(42, 544, 480, 137, 24);
        add(44, 440, 408, 41, 24);
        add(45, 480, 408, 41, 24);
        add(46, 600, 408, 41, 24);
        add(47, 640, 408, 41, 24);
        add(48, 600, 432, 41, 24);
        add(49, 640, 432, 41, 24);
    } else if (screen == QLatin1String("Form4")) {
        for (int r = 0; r < 3; ++r) {
            add(1 + 2 * r, 48, 24 + 24 * r, 177, 19);
            add(2 + 2 * r, 240, 24 + 24 * r, 121, 19);
        }
        for (int k = 0; k < 7; ++k)
            add(7 + k, 48, 112 + 24 * k, 313, 19);
        for (int k = 0; k < 12; ++k)
            add(14 + k, 392, 16 + 24 * k, 289, 19);
        add(26, 200, 288, 41, 19);
        add(27, 312, 288, 41, 19);
    } else if (screen == QLatin1String("Form5")) {
        for (int r = 0; r < 4; ++r) {
            add(1 + r, 160, 8 + 24 * r, 81, 19);
            add(5 + r, 304, 8 + 24 * r, 73, 19);
        }
        for (int k = 0; k < 7; ++k) {
            add(9 + k, 32, 128 + 24 * k, 169, 19);
            add(16 + k, 208, 128 + 24 * k, 169, 19);
        }
        for (int k = 0; k < 3; ++k)
            add(23 + k, 464, 8 + 24 * k, 233, 19);
        add(26, 400, 152, 297, 19);
        add(27, 464, 176, 233, 19);
        add(28, 400, 200, 297, 19);
        add(29, 464, 224, 233, 19);
        add(30, 496, 248, 25, 19);
        add(31, 544, 248, 25, 19);
        add(32, 608, 248, 25, 19);
        add(33, 656, 248, 25, 19);
        add(34, 544, 272, 41, 19);
        add(35, 616, 272, 57, 19);
        add(36, 464, 80, 25, 19);
        add(37, 464, 104, 25, 19);
        add(38, 544, 80, 17, 19);
        add(39, 543, 104, 18, 19);
        add(40, 624, 80, 17, 19);
        add(41, 624, 104, 17, 19);
        add(42, 464, 128, 25, 19);
        add(43, 584, 128, 17, 19);
    } else if (screen == QLatin1String("Form6")) {
        const int xs[] = {64, 144, 216, 288, 368, 448, 520, 600, 648};
        const int ws[] = {81, 73, 73, 81, 73, 73, 73, 49, 41};
        for (int c = 0; c < 9; ++c)
            for (int r = 0; r < 14; ++r)
                add(c * 14 + r + 1, xs[c], 48 + 24 * r, ws[c], 24);
        for (int c = 0; c < 4; ++c)
            add(130 + c, xs[c], 24, ws[c], 24);
        add(135, 600, 16, 49, 24);
        for (int k = 0; k < 3; ++k)
            add(127 + k, 48, 392 + 24 * k, 633, 25);
        for (int r = 0; r < 12; ++r)
            add(136 + r, 24, 48 + 24 * r, 17, 24);
    }
    return boxes;
}

// What shows of a box on its picture: the part inside the picture.
QRect visible(const QRect& rect, const QImage& image) {
    return rect.intersected(image.rect());
}

} // namespace

class ScreenBackgroundsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pictureSize_data();
    void pictureSize();
    void boxLiesOnAnswerArea_data();
    void boxLiesOnAnswerArea();
    void noCaptionUnderBox_data();
    void noCaptionUnderBox();
    void unknownScreenHasNoPicture();
};

void ScreenBackgroundsTest::pictureSize_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Form3") << QStringLiteral("Form3") << QSize(684, 507);
    QTest::newRow("Form4") << QStringLiteral("Form4") << QSize(694, 318);
    QTest::newRow("Form5") << QStringLiteral("Form5") << QSize(702, 297);
    QTest::newRow("Form6") << QStringLiteral("Form6") << QSize(690, 473);
}

void ScreenBackgroundsTest::pictureSize() {
    QFETCH(QString, screen);
    QFETCH(QSize, size);
    QVERIFY(formpictures::screensWithBackground().contains(screen));
    const QImage image = formpictures::screenBackground(screen);
    QCOMPARE(image.size(), size);
    QVERIFY(!image.allGray()); // a colour picture: cream paper, white answer cells
}

void ScreenBackgroundsTest::boxLiesOnAnswerArea_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QRect>("box");
    for (const QString& screen : formpictures::screensWithBackground())
        for (const Box& box : boxesOf(screen))
            QTest::newRow(qPrintable(screen + QLatin1Char(' ') + box.name)) << screen << box.rect;
}

// Every pixel under the box is answer cell, not paper.
void ScreenBackgroundsTest::boxLiesOnAnswerArea() {
    QFETCH(QString, screen);
    QFETCH(QRect, box);
    const formpictures::Drawing drawing = formpictures::screenDrawing(screen);
    const QImage cells =
        formpictures::render(drawing, drawing.size.toSize(), formpictures::PaperLayer);
    const QRect area = visible(box, cells);
    QVERIFY(!area.isEmpty());
    int paper = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            paper += cells.pixelColor(x, y) != drawing.answer;
    QCOMPARE(paper, 0);
}

void ScreenBackgroundsTest::noCaptionUnderBox_data() {
    boxLiesOnAnswerArea_data();
}

// With the captions drawn alone, nothing is drawn under the box.
void ScreenBackgroundsTest::noCaptionUnderBox() {
    QFETCH(QString, screen);
    QFETCH(QRect, box);
    const formpictures::Drawing drawing = formpictures::screenDrawing(screen);
    const QImage captions =
        formpictures::render(drawing, drawing.size.toSize(), formpictures::CaptionLayer);
    const QRect area = visible(box, captions);
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += captions.pixel(x, y) != qRgb(255, 255, 255);
    QCOMPARE(ink, 0);
}

void ScreenBackgroundsTest::unknownScreenHasNoPicture() {
    QVERIFY(formpictures::screenBackground(QStringLiteral("Form2")).isNull());
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ScreenBackgroundsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenbackgroundstest.moc"
