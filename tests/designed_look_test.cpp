// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Both windows in their designed colours and font whatever the desktop's
// colour scheme and font: pixel for pixel the same under a dark and a
// high-contrast scheme with a large font of another family, and every text
// readable against what it is drawn on.

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "platform/tab_control.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(QColor colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a text in an area of a picture is drawn on. Each row of the area,
// less the edges where borders run, is taken by the colour that covers most
// of it (buttons and tabs shade from row to row); the row that stands out
// least from the ink counts.
QColor groundOf(const QImage &image, const QRect &area, QColor ink)
{
    QColor ground;
    double lowest = 1e9;
    const QRect inside = area.marginsRemoved(QMargins(3, 3, 3, 3)) & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        QHash<QRgb, int> count;
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++count[image.pixel(x, y)];
        const auto most = std::max_element(count.cbegin(), count.cend());
        const QColor colour(most.key());
        if (const double ratio = contrast(ink, colour); ratio < lowest)
            lowest = ratio, ground = colour;
    }
    return ground;
}

struct Text {
    QString kind; // the widget's class
    QString what; // kind and caption, for messages
    QColor ink;
    QColor ground;
};

struct Shot {
    QString name;
    QImage image;
    QList<Text> texts;
};

void addText(QList<Text> &texts, const QImage &image, QWidget *window, QWidget *w, const QRect &area,
             const QString &caption, QPalette::ColorRole role)
{
    const QRect onWindow(w->mapTo(window, area.topLeft()), area.size());
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    const QColor ink = w->palette().color(role);
    texts.append({kind, QStringLiteral("%1 \"%2\"").arg(kind, caption.left(24)), ink, groundOf(image, onWindow, ink)});
}

// A picture of the window as shown, and the colour of each text in it with
// the colour it is drawn on.
Shot shoot(QWidget *window, const QString &name)
{
    QApplication::processEvents();
    Shot shot{name, window->grab().toImage().convertToFormat(QImage::Format_RGB32), {}};
    const QImage &image = shot.image;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty())
            addText(shot.texts, image, window, w, w->rect(), label->text(), w->foregroundRole());
        else if (auto *field = qobject_cast<QLineEdit *>(w))
            addText(shot.texts, image, window, w, w->rect(), field->text(), QPalette::Text);
        else if (auto *button = qobject_cast<QPushButton *>(w))
            addText(shot.texts, image, window, w, w->rect(), button->text(), QPalette::ButtonText);
        else if (auto *frame = qobject_cast<QGroupBox *>(w); frame && !frame->title().isEmpty())
            addText(shot.texts, image, window, w, QRect(0, 0, w->width(), w->fontMetrics().height()), frame->title(),
                    QPalette::WindowText);
        else if (auto *bar = qobject_cast<QTabBar *>(w)) {
            for (int t = 0; t < bar->count(); ++t)
                addText(shot.texts, image, window, w, bar->tabRect(t), bar->tabText(t), QPalette::WindowText);
        }
    }
    return shot;
}

// Every tab of a fresh main window and both tabs of its About window.
QList<Shot> shootWindows()
{
    QList<Shot> shots;
    Form1 window;
    if (!showActive(&window))
        return shots;
    const char *names[] = {"welcome", "your data", "current cost", "velmor cost", "savings", "graph"};
    for (int tab = 0; tab < 6; ++tab) {
        window.SSTab1->selectTab(tab);
        shots.append(shoot(&window, QString::fromLatin1(names[tab])));
    }
    (void)whileAboutWindow<Form2>(window, [&](Form2 &about) {
        shots.append(shoot(&about, QStringLiteral("about maker")));
        about.SSTab1->selectTab(1);
        shots.append(shoot(&about, QStringLiteral("about design")));
    });
    return shots;
}

QPalette darkScheme()
{
    // A dark desktop scheme: white text on near-black windows.
    return QPalette(Qt::white, QColor(0x42, 0x42, 0x45), QColor(0x97, 0x97, 0x97), QColor(0x30, 0x2f, 0x2e),
                    QColor(0x4a, 0x49, 0x47), Qt::white, Qt::white, QColor(0x3d, 0x3d, 0x3d), QColor(0x22, 0x20, 0x20));
}

QPalette highContrastScheme()
{
    return QPalette(Qt::yellow, Qt::black, Qt::white, Qt::gray, Qt::gray, Qt::yellow, Qt::white, Qt::black, Qt::black);
}

} // namespace

class DesignedLookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void sameUnderEveryDesktop_data();
    void sameUnderEveryDesktop();

private:
    int m_beeps = 0;
    QStringList m_reports;
    QPalette m_desktopPalette;
    QFont m_desktopFont;
    QList<Shot> m_reference;
};

void DesignedLookTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
    m_desktopPalette = QApplication::palette();
    m_desktopFont = QApplication::font();
    m_reference = shootWindows();
    QCOMPARE(m_reference.size(), 8);
}

void DesignedLookTest::cleanup()
{
    QApplication::setPalette(m_desktopPalette);
    QApplication::setFont(m_desktopFont);
}

void DesignedLookTest::sameUnderEveryDesktop_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QFont>("font");
    QTest::newRow("light, as started") << QApplication::palette() << QApplication::font();
    QTest::newRow("dark, 16 pt serif") << darkScheme() << QFont(QStringLiteral("DejaVu Serif"), 16);
    QTest::newRow("high contrast, 16 pt sans") << highContrastScheme() << QFont(QStringLiteral("DejaVu Sans"), 16);
}

void DesignedLookTest::sameUnderEveryDesktop()
{
    QFETCH(QPalette, palette);
    QFETCH(QFont, font);
    QApplication::setPalette(palette);
    QApplication::setFont(font);

    const QList<Shot> shots = shootWindows();
    QCOMPARE(shots.size(), m_reference.size());
    // The lowest contrast of each pair of colours, for the record.
    std::map<QString, double> pairs;
    for (qsizetype i = 0; i < shots.size(); ++i) {
        const Shot &shot = shots[i];
        QVERIFY2(!shot.texts.isEmpty(), qPrintable(shot.name));
        for (const Text &text : shot.texts) {
            const double ratio = contrast(text.ink, text.ground);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3 %4 on %5")
                                                  .arg(text.what, shot.name)
                                                  .arg(ratio, 0, 'f', 2)
                                                  .arg(text.ink.name(), text.ground.name())));
            const QString pair = QStringLiteral("%1 %2 on %3").arg(text.kind, text.ink.name(), text.ground.name());
            pairs[pair] = pairs.count(pair) ? std::min(pairs[pair], ratio) : ratio;
        }
        if (shot.image != m_reference[i].image) {
            QString file = QStringLiteral("designed-look %1 %2.png").arg(QTest::currentDataTag(), shot.name);
            file.remove(u',').replace(u' ', u'-');
            const QString path = QDir::temp().filePath(file);
            shot.image.save(path);
            QFAIL(qPrintable(QStringLiteral("%1 differs from the window under the desktop's own settings; see %2")
                                 .arg(shot.name, path)));
        }
    }
    for (const auto &[pair, ratio] : pairs)
        qInfo("%s %.2f", qPrintable(pair), ratio);
}

QTEST_MAIN(DesignedLookTest)
#include "designed_look_test.moc"
