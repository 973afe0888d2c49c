// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The windows at the scale factor of the environment (QT_SCALE_FACTOR; CTest
// runs this at 1, 1.5 and 2): the layout keeps its logical size, no caption
// outgrows its label, and the artwork is drawn from the fine @2x pictures
// with one picture pixel to each device pixel. In another language the
// artwork's texts are drawn in it, within their bands.

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "model/costs/input_table.h"
#include "platform/artwork_lettering.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/designed_look.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <functional>
#include <memory>

using namespace main_window;

namespace {

QImage trueColour(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// Mean difference of the colour channels, 0 to 255, of two images of the
// same size.
double meanDifference(const QImage &first, const QImage &second)
{
    const QImage a = trueColour(first);
    const QImage b = trueColour(second);
    if (a.size() != b.size() || a.isNull())
        return 255;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            sum += qAbs(qRed(p[x]) - qRed(q[x])) + qAbs(qGreen(p[x]) - qGreen(q[x])) + qAbs(qBlue(p[x]) - qBlue(q[x]));
        }
    }
    return double(sum) / (3.0 * a.width() * a.height());
}

QImage smoothlyScaled(const QImage &image, const QSize &size)
{
    return trueColour(image).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString atTwo(const QString &resource)
{
    QString name = resource;
    return name.insert(name.lastIndexOf(u'.'), QStringLiteral("@2x"));
}

// The picture as a window paints it from its top-left corner over the
// window colour, at the given device size, made from the given artwork.
QImage overWindowColour(const QImage &artwork, const QSize &device)
{
    QImage canvas(device, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(platform::kLightBlue);
    QImage pixels = artwork;
    pixels.setDevicePixelRatio(1); // all in device pixels here
    QPainter(&canvas).drawImage(0, 0, pixels);
    return canvas;
}

// A widget taken from a window, for the data rows.
using Pick = std::function<QWidget *(Form1 &, Form2 *)>;

// The artwork's texts as a German catalogue writes them.
class GermanArtwork : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        static const QHash<QByteArray, QString> german{
            {"Velmor Automatic Lubrication Systems \u00B7 Cost Savings Calculator",
             QStringLiteral("Automatische Velmor-Schmiersysteme \u00B7 Kosteneinsparungsrechner")},
            {"HALDMARK\u00AE, Inc. \u00B7 1200 Industrial Parkway \u00B7 Springfield, OH  45501",
             QStringLiteral("HALDMARK\u00AE, Inc. \u00B7 1200 Industrial Parkway \u00B7 Springfield, OH 45501, USA")},
            {"Phone %1 \u00B7 Fax %2 \u00B7 %3", QStringLiteral("Telefon %1 \u00B7 Fax %2 \u00B7 %3")},
            {"Automatic Lubrication Systems", QStringLiteral("Automatische Schmiersysteme")},
            {"Lubrication Systems", QStringLiteral("Schmiersysteme")},
            {"Centralized lubrication that pays for itself",
             QStringLiteral("Zentralschmierung, die sich bezahlt macht")},
            {"Centralized lubrication systems", QStringLiteral("Zentralschmiersysteme")},
            {"Engineering tools\nfor industry\nsince 1994",
             QStringLiteral("Ingenieurwerkzeuge\nf\u00FCr die Industrie\nseit 1994")},
        };
        return qstrcmp(context, "Artwork") == 0 ? german.value(source) : QString();
    }
};

// Device pixels where the two pictures differ by more than a faint shade.
bool inked(QRgb a, QRgb b)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))}) > 64;
}

} // namespace

Q_DECLARE_METATYPE(Pick)

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowKeepsItsLogicalSize();
    void controlsStandWhereTheyArePlaced();
    void captionsFitTheirLabels();
    void buttonTabAndFrameCaptionsFit();
    void picturesAreSharp_data();
    void picturesAreSharp();
    void backgroundsAreSharp_data();
    void backgroundsAreSharp();

    void artworkSpeaksTheLanguage_data();
    void artworkSpeaksTheLanguage();
    void letteringFitsItsBand_data();
    void letteringFitsItsBand();

    void loadPictureChoosesTheVariant_data();
    void loadPictureChoosesTheVariant();
    void loadPictureKeepsEveryArtworkSize_data();
    void loadPictureKeepsEveryArtworkSize();
    void letteringIsKeptBetweenRuns();

private:
    bool withAboutWindow(const std::function<void(Form2 &)> &f) { return whileAboutWindow<Form2>(*m_window, f); }

    int m_beeps = 0;
    QStringList m_reports;
    qreal m_factor = 1;
    std::unique_ptr<Form1> m_window;
};

void ScaleTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
    bool ok = false;
    m_factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(&ok);
    QVERIFY(ok && m_factor > 0);
    qInfo("scale factor %g", m_factor);
}

void ScaleTest::init()
{
    // Loading pictures and placing texts needs no window.
    const QByteArrayView test(QTest::currentTestFunction());
    if (test.startsWith("loadPicture") || test.startsWith("lettering"))
        return;
    m_window = std::make_unique<Form1>();
    QVERIFY(showActive(m_window.get()));
}

void ScaleTest::cleanup()
{
    m_window.reset();
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'|')));
}

void ScaleTest::windowKeepsItsLogicalSize()
{
    Form1 &w = *m_window;
    QCOMPARE(w.size(), QSize(601, 421));
    QCOMPARE(w.devicePixelRatioF(), m_factor);
    QCOMPARE(w.SSTab1->geometry(), QRect(16, 48, 569, 329));
    const QPixmap shot = w.grab();
    QCOMPARE(shot.devicePixelRatio(), m_factor);
    QCOMPARE(shot.size(), QSize(qRound(601 * m_factor), qRound(421 * m_factor)));

    QSize aboutSize;
    QVERIFY(withAboutWindow([&](Form2 &about) { aboutSize = about.size(); }));
    QCOMPARE(aboutSize, QSize(404, 210));
}

void ScaleTest::controlsStandWhereTheyArePlaced()
{
    // The tab control takes its page origin, which depends on the font
    // metrics, off every placed control; the result must be the same logical
    // place at every factor.
    Form1 &w = *m_window;
    int placed = 0;
    for (int t = 0; t < w.SSTab1->count(); ++t) {
        w.SSTab1->selectTab(t);
        QApplication::processEvents();
        for (QWidget *control : w.SSTab1->widget(t)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect place = w.SSTab1->placeOf(control);
            if (place.isNull())
                continue;
            ++placed;
            QCOMPARE(QRect(control->mapTo(w.SSTab1, QPoint(0, 0)), control->size()), place);
        }
    }
    // 7 on the first tab, the banner and 4 frames on "Your Data", a banner
    // and a frame on each result tab, the chart and its button on "Graph".
    QCOMPARE(placed, 20);
}

void ScaleTest::captionsFitTheirLabels()
{
    Form1 &w = *m_window;
    QList<const platform::CaptionLabel *> labels;
    for (int j = 0; j < 36; ++j)
        labels << w.CurentCost(j);
    for (int j = 0; j < 24; ++j)
        labels << w.Label1(j);
    labels << w.Label2;
    const QString welcomeMisfit = captionMisfit(w.Label3, Wrapping::ByDesign);
    QVERIFY2(welcomeMisfit.isEmpty(), qPrintable(welcomeMisfit));

    // With the default figures, and with the widest figure the labels were
    // drawn for.
    w.SSTab1->selectTab(CurrentCostTab);
    for (const platform::CaptionLabel *label : std::as_const(labels)) {
        const QString misfit = captionMisfit(label);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }
    for (const auto &table : kFigureLabels) {
        for (int label : table) {
            platform::CaptionLabel *figure = w.CurentCost(label);
            figure->setCaption(QStringLiteral("-$100,000,000,000.00"));
            const QString misfit = captionMisfit(figure);
            QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        }
    }

    QStringList aboutMisfits;
    QVERIFY(withAboutWindow([&](Form2 &about) {
        for (int tab = 0; tab < 2; ++tab) {
            about.SSTab1->selectTab(tab);
            for (int array = 1; array <= 4; ++array) {
                for (int index = 0; index < 2; ++index) {
                    const QString misfit = captionMisfit(
                        designControl<platform::CaptionLabel>(&about, QStringLiteral("Label%1").arg(array), index));
                    if (!misfit.isEmpty())
                        aboutMisfits << QStringLiteral("Label%1(%2): %3").arg(array).arg(index).arg(misfit);
                }
            }
        }
    }));
    QVERIFY2(aboutMisfits.isEmpty(), qPrintable(aboutMisfits.join(u'\n')));
}

void ScaleTest::buttonTabAndFrameCaptionsFit()
{
    Form1 &w = *m_window;
    // A push button needs a few pixels of its frame on either side.
    const QString graphCaptions[] = {QStringLiteral("Series Bar Graph"), QStringLiteral("Pie Chart"),
                                     QStringLiteral("Line Graph"),       QStringLiteral("Area Graph"),
                                     QStringLiteral("Step Graph"),       QStringLiteral("Stacked Bar Graph")};
    for (const QString &caption : graphCaptions)
        QVERIFY2(w.Command1->fontMetrics().horizontalAdvance(caption) + 8 <= w.Command1->width(), qPrintable(caption));
    for (QPushButton *button : {w.Command2, w.Command3, w.Command4})
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                 qPrintable(button->text()));

    // A frame title needs its indent on the left.
    QList<QGroupBox *> frames;
    for (int f = 0; f < 4; ++f)
        frames << w.Frame1(f);
    for (int f = 0; f < 3; ++f)
        frames << w.Frame2(f);
    for (QGroupBox *box : std::as_const(frames))
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) + 16 <= box->width(), qPrintable(box->title()));

    // The six tabs stand in one row, each as wide as its caption needs.
    QTabBar *bar = w.SSTab1->tabBar();
    for (int t = 0; t < bar->count(); ++t) {
        QVERIFY2(bar->fontMetrics().horizontalAdvance(bar->tabText(t)) < bar->tabRect(t).width(),
                 qPrintable(bar->tabText(t)));
        QCOMPARE(bar->tabRect(t).top(), bar->tabRect(0).top());
    }
    QVERIFY(bar->tabRect(bar->count() - 1).right() < w.SSTab1->width());
}

void ScaleTest::picturesAreSharp_data()
{
    QTest::addColumn<Pick>("pick");
    QTest::addColumn<QString>("resource");
    const auto main = [](auto member) { return Pick([member](Form1 &w, Form2 *) -> QWidget * { return member(w); }); };
    const auto about = [](int array, int index) {
        return Pick([array, index](Form1 &, Form2 *a) -> QWidget * {
            return a ? designControl(a, QStringLiteral("Picture%1").arg(array), index) : nullptr;
        });
    };
    QTest::newRow("Picture1: logo") << main([](Form1 &w) { return w.Picture1; }) << ":/images/brand_logo.png";
    QTest::newRow("Picture2: calculator icon")
        << main([](Form1 &w) { return w.Picture2; }) << ":/images/calculator_icon.png";
    QTest::newRow("Picture3: Your Data banner")
        << main([](Form1 &w) { return w.Picture3; }) << ":/images/your_data_banner.png";
    for (int f = 0; f < 3; ++f) {
        QTest::addRow("result banner %d", f)
            << main([f](Form1 &w) { return designControl(&w, QStringLiteral("Picture%1").arg(4 + f)); })
            << ":/images/result_banner.png";
    }
    QTest::newRow("About Picture1(1): maker's banner") << about(1, 1) << ":/images/about_maker_banner.png";
    QTest::newRow("About Picture1(0): designer's banner") << about(1, 0) << ":/images/about_design_banner.png";
    QTest::newRow("About Picture2(1): calculator icon") << about(2, 1) << ":/images/calculator_icon.png";
}

void ScaleTest::picturesAreSharp()
{
    QFETCH(Pick, pick);
    QFETCH(QString, resource);

    QPixmap shown;
    QRect room;
    const auto take = [&](Form2 *about) {
        if (auto *box = qobject_cast<QLabel *>(pick(*m_window, about))) {
            shown = box->pixmap();
            room = box->contentsRect();
        }
    };
    take(nullptr);
    if (shown.isNull())
        QVERIFY(withAboutWindow([&](Form2 &about) { take(&about); }));
    QVERIFY(!shown.isNull());

    const QImage plain(resource);
    QVERIFY(!plain.isNull());
    // Its natural size in logical pixels, held whole by the box, give or take
    // the half pixel a fractional factor rounds.
    const QSizeF natural = shown.deviceIndependentSize();
    QVERIFY2(qAbs(natural.width() - plain.width()) <= 0.5 && qAbs(natural.height() - plain.height()) <= 0.5,
             qPrintable(QStringLiteral("%1 x %2").arg(natural.width()).arg(natural.height())));
    QVERIFY(room.width() + 0.5 >= natural.width() && room.height() + 0.5 >= natural.height());

    if (m_factor <= 1) {
        QCOMPARE(shown.devicePixelRatio(), 1.0);
        QCOMPARE(meanDifference(shown.toImage(), plain), 0.0);
        return;
    }
    // One picture pixel to each device pixel: painting does not resample it.
    QCOMPARE(shown.devicePixelRatio(), m_factor);
    // Made from the fine artwork: far closer to it than to the coarse one
    // brought to the same size.
    const QImage fine(atTwo(resource));
    QVERIFY(!fine.isNull());
    const double toFine = meanDifference(shown.toImage(), smoothlyScaled(fine, shown.size()));
    const double toCoarse = meanDifference(shown.toImage(), smoothlyScaled(plain, shown.size()));
    qInfo("%s: %d x %d device pixels; mean difference to the fine artwork %.2f, to the coarse %.2f",
          qPrintable(resource), shown.width(), shown.height(), toFine, toCoarse);
    QVERIFY(toFine < 1.0);
    QVERIFY(toFine * 2 < toCoarse);
}

void ScaleTest::backgroundsAreSharp_data()
{
    QTest::addColumn<bool>("aboutWindow");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QRect>("band"); // logical pixels where only the background shows
    QTest::newRow("main window, title strip") << false << ":/images/background_main.png" << QRect(0, 0, 600, 46);
    QTest::newRow("main window, address strip") << false << ":/images/background_main.png" << QRect(0, 379, 600, 41);
    QTest::newRow("About window, address strip") << true << ":/images/background_about.png" << QRect(0, 165, 298, 45);
}

void ScaleTest::backgroundsAreSharp()
{
    QFETCH(bool, aboutWindow);
    QFETCH(QString, resource);
    QFETCH(QRect, band);

    QImage shot;
    if (aboutWindow)
        QVERIFY(withAboutWindow([&](Form2 &about) { shot = about.grab().toImage(); }));
    else
        shot = m_window->grab().toImage();
    QVERIFY(!shot.isNull());

    const QRect device(QPoint(qCeil(band.left() * m_factor), qCeil(band.top() * m_factor)),
                       QPoint(qFloor((band.right() + 1) * m_factor) - 1, qFloor((band.bottom() + 1) * m_factor) - 1));
    const QImage plain(resource);
    const QSize pictureDevice(qRound(plain.width() * m_factor), qRound(plain.height() * m_factor));
    const QImage fromFine = overWindowColour(
        m_factor > 1 ? smoothlyScaled(QImage(atTwo(resource)), pictureDevice) : trueColour(plain), shot.size());
    const QImage fromCoarse = overWindowColour(smoothlyScaled(plain, pictureDevice), shot.size());

    const QImage shown = shot.copy(device);
    const double toFine = meanDifference(shown, fromFine.copy(device));
    const double toCoarse = meanDifference(shown, fromCoarse.copy(device));
    qInfo("mean difference to the fine artwork %.2f, to the coarse %.2f", toFine, toCoarse);
    QVERIFY(toFine < 1.0);
    if (m_factor > 1)
        QVERIFY(toFine * 2 < toCoarse);
}

void ScaleTest::artworkSpeaksTheLanguage_data()
{
    QTest::addColumn<Pick>("pick"); // null: the main window's background
    QTest::addColumn<QString>("resource");
    const auto banner = [](const char *name, int index = -1) {
        return Pick([name, index](Form1 &w, Form2 *a) -> QWidget * {
            QWidget *window = a ? static_cast<QWidget *>(a) : &w;
            return index < 0 ? designControl(window, QString::fromLatin1(name))
                             : designControl(window, QString::fromLatin1(name), index);
        });
    };
    QTest::newRow("main window background") << Pick() << ":/images/background_main.png";
    QTest::newRow("logo") << banner("Picture1") << ":/images/brand_logo.png";
    QTest::newRow("Your Data banner") << banner("Picture3") << ":/images/your_data_banner.png";
    QTest::newRow("result banner") << banner("Picture5") << ":/images/result_banner.png";
    QTest::newRow("About maker's banner") << banner("Picture1", 1) << ":/images/about_maker_banner.png";
    QTest::newRow("About designer's banner") << banner("Picture1", 0) << ":/images/about_design_banner.png";
}

void ScaleTest::artworkSpeaksTheLanguage()
{
    QFETCH(Pick, pick);
    QFETCH(QString, resource);
    const platform::LetteredPicture *lettered = platform::letteredPicture(resource);
    QVERIFY(lettered);

    const bool inAbout = resource.contains(QStringLiteral("about_"));
    const auto shown = [&](Form1 &window, QImage &picture) {
        const auto take = [&](Form2 *about) {
            if (!pick)
                picture = trueColour(window.grab().toImage());
            else if (auto *box = qobject_cast<QLabel *>(pick(window, about))) {
                // Lettered once shown: its tab brought to the front, as a user would.
                for (QWidget *w = box; w->parentWidget(); w = w->parentWidget()) {
                    if (auto *pages = qobject_cast<QStackedWidget *>(w->parentWidget()))
                        pages->setCurrentWidget(w);
                }
                picture = trueColour(box->pixmap().toImage());
            }
        };
        if (!inAbout)
            take(nullptr);
        return (inAbout ? whileAboutWindow<Form2>(window, [&](Form2 &about) { take(&about); }) : true)
               && !picture.isNull();
    };
    QImage english, inGerman;
    QVERIFY(shown(*m_window, english));
    GermanArtwork german;
    QCoreApplication::installTranslator(&german);
    const auto removeGerman = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });
    Form1 germanWindow;
    QVERIFY(showActive(&germanWindow));
    QVERIFY(shown(germanWindow, inGerman));
    const QImage blank = trueColour(platform::loadPicture(lettered->unlettered.toString(), m_factor).toImage());
    QVERIFY(!blank.isNull());
    QCOMPARE(inGerman.size(), english.size());

    const auto device = [&](const QRectF &room) {
        return QRectF(room.topLeft() * m_factor, room.size() * m_factor).toAlignedRect() & blank.rect();
    };
    QImage englishOutside = english, germanOutside = inGerman;
    englishOutside.setDevicePixelRatio(1); // painted in device pixels
    germanOutside.setDevicePixelRatio(1);
    const auto leaveOut = [&](const QRect &area) {
        QPainter(&englishOutside).fillRect(area, Qt::black);
        QPainter(&germanOutside).fillRect(area, Qt::black);
    };
    for (const platform::ArtworkText &text : lettered->texts) {
        const QRect room = device(text.room);
        if (m_factor == 1) // in English, the checked-in lettering
            QCOMPARE(english.copy(room), trueColour(QImage(resource)).copy(room));
        // The German text is drawn there and the English one is gone: left
        // under the German, every English lettering pixel would stay inked;
        // gone, a good share shows the artwork (the two share the figures
        // and a few letters).
        int englishInk = 0, germanInk = 0, both = 0;
        for (int y = room.top(); y <= room.bottom(); ++y) {
            for (int x = room.left(); x <= room.right(); ++x) {
                const bool e = inked(english.pixel(x, y), blank.pixel(x, y));
                const bool g = inked(inGerman.pixel(x, y), blank.pixel(x, y));
                englishInk += e;
                germanInk += g;
                both += e && g;
            }
        }
        qInfo("%s: %d English, %d German lettering pixels, %d in both", text.source, englishInk, germanInk, both);
        QVERIFY(englishInk > 0 && germanInk > englishInk / 4);
        QVERIFY(both < englishInk * 0.85);
        leaveOut(room);
    }
    // Everywhere else the same artwork as in English; of the background,
    // the strips the tab control leaves free.
    if (!pick)
        leaveOut(device(QRectF(0, 46, 600, 333)));
    const double outside = meanDifference(englishOutside, germanOutside);
    qInfo("mean difference outside the texts' bands %.3f", outside);
    QVERIFY(outside < 0.01);
}

void ScaleTest::letteringFitsItsBand_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written"); // empty: the English text
    const auto pictures = platform::letteredPictures();
    for (int p = 0; p < int(pictures.size()); ++p) {
        for (int t = 0; t < int(pictures[p].texts.size()); ++t) {
            const QString name = pictures[p].resource.mid(9).toString() + u' ' + QString::number(t);
            const QString english = platform::writtenText(pictures[p].texts[t]);
            QTest::addRow("%s: English", qPrintable(name)) << p << t << QString();
            QTest::addRow("%s: a third longer", qPrintable(name))
                << p << t << english + u' ' + english.left(english.size() / 3);
            QTest::addRow("%s: three times as long", qPrintable(name)) << p << t << QStringList(3, english).join(u' ');
            QTest::addRow("%s: one long word", qPrintable(name))
                << p << t << QStringLiteral("Zentralschmieranlagenwirtschaftlichkeitsrechner");
            QTest::addRow("%s: Chinese", qPrintable(name))
                << p << t
                << QStringLiteral("\u5A01\u5C14\u83AB\u81EA\u52A8\u6DA6\u6ED1\u7CFB\u7EDF\u00B7\u6210\u672C\u8282\u7EA6"
                                  "\u8BA1\u7B97\u5668\u6DA6\u6ED1\u7CFB\u7EDF");
        }
    }
}

void ScaleTest::letteringFitsItsBand()
{
    if (m_factor != 1)
        QSKIP("the same at every scale factor: checked at factor 1");
    QFETCH(int, picture);
    QFETCH(int, index);
    QFETCH(QString, written);
    const platform::ArtworkText &text = platform::letteredPictures()[picture].texts[index];
    const bool english = written.isEmpty();
    if (english)
        written = platform::writtenText(text);

    const platform::TextPlacement placement = platform::placeText(text, written);
    const QFontMetricsF metrics(placement.font);
    QVERIFY(placement.scale > 0);
    QString shown;
    for (const platform::PlacedLine &line : placement.lines) {
        QVERIFY2(line.baseline.x() >= text.room.left() - 0.01
                     && line.baseline.x() + line.width <= text.room.right() + 0.01,
                 qPrintable(line.text));
        QVERIFY(line.baseline.y() - metrics.ascent() * placement.scale >= text.room.top() - 0.01);
        QVERIFY(line.baseline.y() + metrics.descent() * placement.scale <= text.room.bottom() + 0.01);
        shown += line.text;
    }
    // Nothing cut: every character but the spaces where lines break is shown.
    QCOMPARE(shown.remove(u' '), QString(written).remove(u' ').remove(u'\n'));
    if (english) {
        // The designed text keeps its size and its designed first baseline.
        QCOMPARE(placement.scale, 1.0);
        QCOMPARE(placement.lines.size(), written.count(u'\n') + 1);
        QCOMPARE(placement.lines.front().baseline.y(), text.anchor.y());
    }
}

void ScaleTest::loadPictureChoosesTheVariant_data()
{
    QTest::addColumn<QStringList>("variants"); // of "pic.png": "", "@2x", "@3x"
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("expectedSource");

    const QStringList all{QString(), QStringLiteral("@2x"), QStringLiteral("@3x")};
    const QStringList plainAndTwo{QString(), QStringLiteral("@2x")};
    const QStringList plainOnly{QString()};
    QTest::newRow("ratio 1: the named picture") << all << 1.0 << "";
    QTest::newRow("ratio below 1: the named picture") << all << 0.75 << "";
    QTest::newRow("ratio 1.25: @2x") << all << 1.25 << "@2x";
    QTest::newRow("ratio 1.5: @2x") << all << 1.5 << "@2x";
    QTest::newRow("ratio 2: @2x") << all << 2.0 << "@2x";
    QTest::newRow("ratio 2.5: @3x") << all << 2.5 << "@3x";
    QTest::newRow("ratio 3 without @3x: @2x") << plainAndTwo << 3.0 << "@2x";
    QTest::newRow("ratio 4 without @4x: @3x") << all << 4.0 << "@3x";
    QTest::newRow("ratio 2 without variants: the named picture") << plainOnly << 2.0 << "";
}

void ScaleTest::loadPictureChoosesTheVariant()
{
    if (m_factor != 1)
        QSKIP("the same at every scale factor: checked at factor 1");
    QFETCH(QStringList, variants);
    QFETCH(qreal, ratio);
    QFETCH(QString, expectedSource);

    // Each variant is drawn in a colour of its own, 10 logical pixels square.
    const QHash<QString, QColor> colours{
        {QString(), Qt::red}, {QStringLiteral("@2x"), Qt::green}, {QStringLiteral("@3x"), Qt::blue}};
    const QHash<QString, int> scales{{QString(), 1}, {QStringLiteral("@2x"), 2}, {QStringLiteral("@3x"), 3}};
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &variant : std::as_const(variants)) {
        QImage image(10 * scales[variant], 10 * scales[variant], QImage::Format_Indexed8);
        image.setColorCount(1);
        image.setColor(0, colours[variant].rgb());
        image.fill(0);
        QVERIFY(image.save(dir.filePath(QStringLiteral("pic%1.png").arg(variant))));
    }

    const QPixmap picture = platform::loadPicture(dir.filePath(QStringLiteral("pic.png")), ratio);
    QVERIFY(!picture.isNull());
    const qreal expectedRatio = ratio > 1 ? ratio : 1.0;
    QCOMPARE(picture.devicePixelRatio(), expectedRatio);
    QCOMPARE(picture.size(), QSize(qRound(10 * expectedRatio), qRound(10 * expectedRatio)));
    QCOMPARE(picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2), colours[expectedSource]);
}

void ScaleTest::loadPictureKeepsEveryArtworkSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<qreal>("ratio");
    // The artwork is stored with palettes; Qt 6.4 crashed scaling those
    // smoothly.
    for (const char *name :
         {"about_design_banner", "about_maker_banner", "background_about", "background_main", "brand_logo",
          "calculator_icon", "calculator_icon_64", "result_banner", "your_data_banner"}) {
        for (qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0})
            QTest::addRow("%s at %g", name, ratio)
                << QStringLiteral(":/images/%1.png").arg(QLatin1StringView(name)) << ratio;
    }
    QTest::newRow("missing picture") << ":/images/no_such_picture.png" << 2.0;
}

void ScaleTest::loadPictureKeepsEveryArtworkSize()
{
    if (m_factor != 1)
        QSKIP("the same at every scale factor: checked at factor 1");
    QFETCH(QString, resource);
    QFETCH(qreal, ratio);
    const QSize natural = QImage(resource).size();
    const QPixmap picture = platform::loadPicture(resource, ratio);
    if (natural.isEmpty()) {
        QVERIFY(picture.isNull());
        return;
    }
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QVERIFY(qAbs(picture.deviceIndependentSize().width() - natural.width()) <= 0.5);
    QVERIFY(qAbs(picture.deviceIndependentSize().height() - natural.height()) <= 0.5);
}

void ScaleTest::letteringIsKeptBetweenRuns()
{
    if (m_factor != 1)
        QSKIP("the same at every scale factor: checked at factor 1");
    QCoreApplication::processEvents(); // what the suite's windows keep
    QDir kept(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/lettering"));
    QVERIFY(kept.removeRecursively());
    const auto keptFiles = [&] { return kept.entryList(QDir::Files); };
    const QString logo = QStringLiteral(":/images/brand_logo.png");
    GermanArtwork german;
    QCoreApplication::installTranslator(&german);
    auto removeGerman = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });

    const QImage lettered = trueColour(platform::loadPicture(logo, 1.5).toImage());
    QCoreApplication::processEvents();
    QCOMPARE(keptFiles().size(), 1);
    QCOMPARE(trueColour(platform::loadPicture(logo, 1.5).toImage()), lettered);
    // What is kept is what the next run shows, and a kept file that does
    // not read is lettered afresh.
    const QString file = kept.filePath(keptFiles().constFirst());
    QFile keptFile(file);
    QVERIFY(keptFile.open(QIODevice::ReadWrite));
    QByteArray pixels = keptFile.readAll();
    std::fill(pixels.end() - 4, pixels.end(), char(0x7f));
    QVERIFY(keptFile.seek(0) && keptFile.write(pixels) == pixels.size());
    keptFile.close();
    QCOMPARE(platform::loadPicture(logo, 1.5).toImage().pixel(lettered.width() - 1, lettered.height() - 1),
             0x7f7f7f7fu);
    QVERIFY(keptFile.resize(pixels.size() - 1));
    QCOMPARE(trueColour(platform::loadPicture(logo, 1.5).toImage()), lettered);
    // Another ratio or another language is another picture.
    platform::loadPicture(logo, 2);
    removeGerman.dismiss();
    QCoreApplication::removeTranslator(&german);
    QVERIFY(trueColour(platform::loadPicture(logo, 1.5).toImage()) != lettered);
    QCoreApplication::processEvents();
    QCOMPARE(keptFiles().size(), 2);
}

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
