// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "about_window/form2.h"
#include "platform/bundled_fonts.h"
#include "platform/caption_label.h"
#include "platform/designed_look.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"
#include "platform/twips.h"
#include "window_test_support.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

using platform::twipsRect;

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowFrameAndButtons();
    void opensModallyOverOwner();
    void controlsOnTabs_data();
    void controlsOnTabs();
    void captions_data();
    void captions();
    void captionsFitTheirLabels_data();
    void captionsFitTheirLabels();
    void contactColumnsKeepApart_data();
    void contactColumnsKeepApart();
    void picturesShowTheirArtwork_data();
    void picturesShowTheirArtwork();
    void backgroundPictureFromTopLeft();
    void closeButtonHidesAndKeepsState();
    void closingUnloads_data();
    void closingUnloads();
    void keys_data();
    void keys();
    void screenshots();

private:
    // Shows the window modally and runs `whileOpen` once it is up and active
    // (whileModal()). `whileOpen` must end the showing.
    bool runModal(const std::function<void()> &whileOpen);
    // Opens the window and leaves it with its Close button.
    bool openAndClose(const std::function<void()> &whileOpen = {});

    std::unique_ptr<QWidget> m_owner;
    QPushButton *m_ownerButton = nullptr;
    int m_ownerClicks = 0;
    Form2 *m_dlg = nullptr;
};

void AboutWindowTest::initTestCase()
{
    platform::installBundledFonts();
    QCOMPARE(QFontInfo(platform::designedFont()).family(), QStringLiteral("Liberation Sans"));
}

void AboutWindowTest::init()
{
    m_owner = std::make_unique<QWidget>();
    m_owner->resize(601, 421);
    m_ownerButton = new QPushButton(QStringLiteral("About"), m_owner.get());
    m_ownerButton->setGeometry(20, 20, 100, 30);
    m_ownerClicks = 0;
    connect(m_ownerButton, &QPushButton::clicked, this, [this] { ++m_ownerClicks; });
    m_owner->show();
    m_owner->activateWindow();
    // Active, as the main window is when its About button is clicked; a late
    // activation would otherwise take the focus away from the open window.
    QVERIFY(QTest::qWaitForWindowActive(m_owner.get()));
    m_dlg = new Form2(m_owner.get());
}

void AboutWindowTest::cleanup()
{
    m_owner.reset(); // takes the window with it
    m_dlg = nullptr;
}

bool AboutWindowTest::runModal(const std::function<void()> &whileOpen)
{
    return whileModal([this] { m_dlg->showModal(); },
                      [&](QWidget &modal) {
        if (&modal == m_dlg)
            whileOpen();
    });
}

bool AboutWindowTest::openAndClose(const std::function<void()> &whileOpen)
{
    return runModal([&] {
        if (whileOpen)
            whileOpen();
        if (m_dlg->isVisible())
            QTest::mouseClick(m_dlg->Command1, Qt::LeftButton);
    });
}

void AboutWindowTest::windowFrameAndButtons()
{
    QWidget *focus = nullptr;
    QWidget *focusAfterTab = nullptr;
    QRect frame;
    QVERIFY(openAndClose([&] {
        focus = QApplication::focusWidget();
        frame = m_dlg->frameGeometry();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focusAfterTab = QApplication::focusWidget();
    }));

    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("About"));
    QCOMPARE(m_dlg->size(), QSize(404, 210));
    QCOMPARE(m_dlg->minimumSize(), m_dlg->maximumSize());
    QVERIFY(!(m_dlg->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(m_dlg->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_dlg->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(m_dlg->palette().color(QPalette::Window), platform::kLightBlue);
    // Centred over its owner, give or take the rounding of odd sizes.
    QVERIFY2((frame.center() - m_owner->frameGeometry().center()).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre (%1, %2), owner's (%3, %4)")
                            .arg(frame.center().x())
                            .arg(frame.center().y())
                            .arg(m_owner->frameGeometry().center().x())
                            .arg(m_owner->frameGeometry().center().y())));

    // Close is first in the focus order and takes no Enter of its own.
    QPushButton *close = m_dlg->Command1;
    QCOMPARE(focus, close);
    QCOMPARE(close->geometry(), twipsRect(4500, 2625, 1455, 405));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(!close->isDefault());
    QVERIFY(!close->autoDefault());
    QVERIFY(focusAfterTab && m_dlg->SSTab1->isAncestorOf(focusAfterTab));

    platform::TabControl *tabs = m_dlg->SSTab1;
    QCOMPARE(tabs->geometry(), twipsRect(120, 120, 5835, 2325));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("About HALDMARK\u00AE"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Software Design"));
    for (int tab = 0; tab < 2; ++tab)
        QCOMPARE(tabs->widget(tab)->palette().color(QPalette::Window), platform::kLightBlue);
}

void AboutWindowTest::opensModallyOverOwner()
{
    // A click on the owner's button through the window system, as a user's
    // would arrive; a click straight to the widget would bypass the blocking.
    const auto clickOwnerButton = [this] {
        QTest::mouseClick(m_owner->windowHandle(), Qt::LeftButton, {},
                          m_ownerButton->mapTo(m_owner.get(), m_ownerButton->rect().center()));
    };

    bool modal = false;
    int selectedTab = -1;
    bool makerAddressShown = false;
    bool designerAddressShown = true;
    QVERIFY(openAndClose([&] {
        modal = m_dlg->isModal();
        selectedTab = m_dlg->SSTab1->selectedTab();
        makerAddressShown = m_dlg->Label2(1)->isVisible();
        designerAddressShown = m_dlg->Label2(0)->isVisible();
        clickOwnerButton();
    }));
    QVERIFY(modal);
    QCOMPARE(m_ownerClicks, 0);
    QCOMPARE(selectedTab, 0);
    QVERIFY(makerAddressShown);
    QVERIFY(!designerAddressShown);
    QCOMPARE(m_dlg->loadCount(), 1);

    // The same click reaches the owner once the window has gone.
    clickOwnerButton();
    QCOMPARE(m_ownerClicks, 1);
}

void AboutWindowTest::controlsOnTabs_data()
{
    QTest::addColumn<int>("picture"); // Picture1 or Picture2, or 0 for a label
    QTest::addColumn<int>("label");   // Label1 to Label4, or 0 for a picture
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("alignment");  // horizontal alignment of a label
    QTest::addColumn<int>("frameWidth"); // border of a picture box

    const QRect banner = twipsRect(945, 375, 4785, 1065);
    const QRect icon = twipsRect(240, 555, 480, 555);
    for (const int index : {1, 0}) {
        const int tab = index == 1 ? 0 : 1;
        const QByteArray at = index == 1 ? "(1) on the maker's tab" : "(0) on the design tab";
        QTest::newRow("Picture1" + at + ", banner with sunken border") << 1 << 0 << index << tab << banner << 0 << 2;
        QTest::newRow("Picture2" + at + ", icon without border") << 2 << 0 << index << tab << icon << 0 << 0;
        QTest::newRow("Label1" + at + ", version centred")
            << 0 << 1 << index << tab << twipsRect(105, 1080, 765, 330) << int(Qt::AlignHCenter) << 0;
        QTest::newRow("Label2" + at + ", address centred")
            << 0 << 2 << index << tab << twipsRect(90, 1515, 5625, 285) << int(Qt::AlignHCenter) << 0;
        QTest::newRow("Label3" + at + ", phone and fax to the right")
            << 0 << 3 << index << tab << twipsRect(3165, 1770, 2040, 465) << int(Qt::AlignRight) << 0;
        QTest::newRow("Label4" + at + ", e-mail and web to the left, wide enough for the web line")
            << 0 << 4 << index << tab << twipsRect(615, 1770, 2775, 465) << int(Qt::AlignLeft) << 0;
    }
}

void AboutWindowTest::controlsOnTabs()
{
    QFETCH(int, picture);
    QFETCH(int, label);
    QFETCH(int, index);
    QFETCH(int, tab);
    QFETCH(QRect, place);
    QFETCH(int, alignment);
    QFETCH(int, frameWidth);

    QWidget *control = nullptr;
    QRect shownAt;
    bool visible = false;
    QVERIFY(openAndClose([&] {
        control = picture ? designControl(m_dlg, QStringLiteral("Picture%1").arg(picture), index)
                          : designControl(m_dlg, QStringLiteral("Label%1").arg(label), index);
        if (!control)
            return;
        m_dlg->SSTab1->selectTab(tab);
        QApplication::processEvents();
        // Where it really stands, row of tabs included, not where it was asked to.
        shownAt = QRect(control->mapTo(m_dlg->SSTab1, QPoint(0, 0)), control->size());
        visible = control->isVisible();
    }));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_dlg->SSTab1->widget(tab));
    QCOMPARE(shownAt, place);
    QVERIFY(visible);
    if (label) {
        auto *caption = static_cast<QLabel *>(control);
        QCOMPARE(int(caption->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(caption->font(), platform::designedFont());
    } else {
        QCOMPARE(static_cast<QLabel *>(control)->frameWidth(), frameWidth);
    }
}

void AboutWindowTest::captions_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Label1(1) version") << 1 << 1 << QStringLiteral("V. 1.0");
    QTest::newRow("Label1(0) version") << 1 << 0 << QStringLiteral("V. 1.0");
    QTest::newRow("Label2(1) maker's address")
        << 2 << 1
        << QStringLiteral("HALDMARK\u00AE, Inc., \u00B7 1200 Industrial Parkway \u00B7 Springfield, OH  45501");
    QTest::newRow("Label2(0) designer's address")
        << 2 << 0 << QStringLiteral("Corvane Software, Inc., \u00B7 77 Riverside Avenue \u00B7 Springfield, OH  45502");
    QTest::newRow("Label3(0) designer's phone and fax, one CR")
        << 3 << 0 << QStringLiteral("Phone: (937) 555-0170\rFax: (937) 555-0171");
    QTest::newRow("Label4(0) designer's e-mail and web, one CR")
        << 4 << 0 << QStringLiteral("E-mail: design@corvane.com\rWWW: http://www.corvane.com");
    QTest::newRow("Label3(1) maker's phone and fax, one CR")
        << 3 << 1 << QStringLiteral("Phone: (937) 555-0142\rFax: (937) 555-0143");
    QTest::newRow("Label4(1) maker's e-mail and web, one CR")
        << 4 << 1 << QStringLiteral("E-mail: info@haldmark.com\rWWW: http://www.haldmark.com");
}

void AboutWindowTest::captions()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, caption);

    QVERIFY(openAndClose());
    auto *label = designControl<platform::CaptionLabel>(m_dlg, QStringLiteral("Label%1").arg(array), index);
    QVERIFY(label);
    QCOMPARE(label->caption(), caption);
    // Shown on as many lines as the caption has, one per carriage return.
    QCOMPARE(label->text().split(QChar::LineSeparator).size(), caption.split(u'\r').size());
}

void AboutWindowTest::captionsFitTheirLabels_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");

    for (int array = 1; array <= 4; ++array) {
        for (const int index : {0, 1})
            QTest::addRow("Label%d(%d)", array, index) << array << index;
    }
}

void AboutWindowTest::captionsFitTheirLabels()
{
    QFETCH(int, array);
    QFETCH(int, index);

    QVERIFY(openAndClose());
    const QString misfit =
        captionMisfit(designControl<platform::CaptionLabel>(m_dlg, QStringLiteral("Label%1").arg(array), index));
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
}

void AboutWindowTest::contactColumnsKeepApart_data()
{
    QTest::addColumn<int>("index");

    QTest::newRow("design tab") << 0;
    QTest::newRow("maker's tab") << 1;
}

void AboutWindowTest::contactColumnsKeepApart()
{
    QFETCH(int, index);

    // The e-mail and web label reaches under the phone and fax label; the
    // text of each line must still end before the text beside it begins.
    QVERIFY(openAndClose());
    const platform::CaptionLabel *left = m_dlg->Label4(index);
    const platform::CaptionLabel *right = m_dlg->Label3(index);
    const QFontMetrics metrics(left->font());
    const QStringList leftLines = left->caption().split(u'\r');
    const QStringList rightLines = right->caption().split(u'\r');
    QCOMPARE(leftLines.size(), 2);
    QCOMPARE(rightLines.size(), 2);
    for (int line = 0; line < 2; ++line) {
        const int leftEnd = left->x() + left->contentsRect().left() + metrics.horizontalAdvance(leftLines.at(line));
        const int rightStart =
            right->x() + right->contentsRect().right() + 1 - metrics.horizontalAdvance(rightLines.at(line));
        QVERIFY2(rightStart - leftEnd >= 8,
                 qPrintable(QStringLiteral("line %1: left text ends at %2, right text starts at %3")
                                .arg(line + 1)
                                .arg(leftEnd)
                                .arg(rightStart)));
    }
}

void AboutWindowTest::picturesShowTheirArtwork_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("resource");

    QTest::newRow("Picture1(1) maker's banner") << 1 << 1 << QStringLiteral(":/images/about_maker_banner.png");
    QTest::newRow("Picture1(0) designer's banner") << 1 << 0 << QStringLiteral(":/images/about_design_banner.png");
    QTest::newRow("Picture2(1) calculator icon") << 2 << 1 << QStringLiteral(":/images/calculator_icon.png");
    QTest::newRow("Picture2(0) calculator icon") << 2 << 0 << QStringLiteral(":/images/calculator_icon.png");
}

void AboutWindowTest::picturesShowTheirArtwork()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, resource);

    QVERIFY(openAndClose()); // loads with or without the artwork
    if (!QFile::exists(resource))
        QSKIP("artwork not in the resources");
    auto *box = designControl<platform::PictureBox>(m_dlg, QStringLiteral("Picture%1").arg(array), index);
    QVERIFY(box);
    QCOMPARE(box->pixmap().toImage(), QPixmap(resource).toImage());
    // The box holds the picture whole, inside its border.
    QVERIFY(box->contentsRect().width() >= box->pixmap().deviceIndependentSize().width());
    QVERIFY(box->contentsRect().height() >= box->pixmap().deviceIndependentSize().height());
}

void AboutWindowTest::backgroundPictureFromTopLeft()
{
    QImage shot;
    QVERIFY(openAndClose([&] { shot = m_dlg->grab().toImage(); }));
    QCOMPARE(shot.size(), QSize(404, 210));

    // Points of the footer strip, clear of the tab control and the button.
    const QImage background(QStringLiteral(":/images/background_about.png"));
    for (const QPoint at : {QPoint(1, 1), QPoint(10, 190), QPoint(150, 200), QPoint(290, 180)}) {
        const QColor expected = background.isNull() ? platform::kLightBlue : background.pixelColor(at);
        QCOMPARE(shot.pixelColor(at), expected);
    }
}

void AboutWindowTest::closeButtonHidesAndKeepsState()
{
    QPointer<platform::CaptionLabel> phone;
    QVERIFY(openAndClose([&] {
        phone = m_dlg->Label3(0);
        m_dlg->SSTab1->selectTab(1);
    }));
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(m_dlg->isLoaded());

    int selectedTab = -1;
    bool phoneShown = false;
    QVERIFY(openAndClose([&] {
        selectedTab = m_dlg->SSTab1->selectedTab();
        phoneShown = phone && phone->isVisible();
    }));
    QCOMPARE(selectedTab, 1);
    QVERIFY(phoneShown);
    QCOMPARE(m_dlg->Label3(0), phone.data());
    QCOMPARE(m_dlg->loadCount(), 1);
    // The contact lines were written once, not once per showing.
    QCOMPARE(phone->caption(), QStringLiteral("Phone: (937) 555-0170\rFax: (937) 555-0171"));
}

void AboutWindowTest::closingUnloads_data()
{
    QTest::addColumn<bool>("fromTitleBar");

    QTest::newRow("title bar's close box") << true;
    QTest::newRow("close() from the program") << false;
}

void AboutWindowTest::closingUnloads()
{
    QFETCH(bool, fromTitleBar);

    QPointer<platform::TabControl> oldTabs;
    QPointer<platform::CaptionLabel> oldPhone;
    QVERIFY(runModal([&] {
        oldTabs = m_dlg->SSTab1;
        oldPhone = m_dlg->Label3(1);
        oldTabs->selectTab(1);
        if (fromTitleBar) {
            // Spontaneous, as the window system sends it.
            QCloseEvent close;
            QApplication::sendEvent(m_dlg->windowHandle(), &close);
        } else {
            m_dlg->close();
        }
    }));
    QVERIFY(!m_dlg->isVisible());
    QVERIFY(!m_dlg->isLoaded());
    QVERIFY(!oldTabs);
    QVERIFY(!oldPhone);
    QVERIFY(!m_dlg->SSTab1);

    int selectedTab = -1;
    bool addressShown = false;
    QWidget *focus = nullptr;
    QVERIFY(openAndClose([&] {
        selectedTab = m_dlg->SSTab1->selectedTab();
        addressShown = m_dlg->Label2(1)->isVisible();
        focus = QApplication::focusWidget();
    }));
    QCOMPARE(selectedTab, 0);
    QVERIFY(addressShown);
    QCOMPARE(focus, m_dlg->Command1);
    QCOMPARE(m_dlg->loadCount(), 2);
    QCOMPARE(m_dlg->Label3(1)->caption(), QStringLiteral("Phone: (937) 555-0142\rFax: (937) 555-0143"));
}

void AboutWindowTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onTabBar");
    QTest::addColumn<bool>("hides");

    // No cancel button: Escape leaves the window open wherever the focus is.
    QTest::newRow("Escape with Close focused stays") << int(Qt::Key_Escape) << false << false;
    QTest::newRow("Escape with the tab row focused stays") << int(Qt::Key_Escape) << true << false;
    // No default button either: Enter does not press Close, Space does.
    QTest::newRow("Enter with Close focused stays") << int(Qt::Key_Return) << false << false;
    QTest::newRow("Space with Close focused hides") << int(Qt::Key_Space) << false << true;
}

void AboutWindowTest::keys()
{
    QFETCH(int, key);
    QFETCH(bool, onTabBar);
    QFETCH(bool, hides);

    bool shown = !hides;
    QVERIFY(openAndClose([&] {
        if (onTabBar)
            m_dlg->SSTab1->tabBar()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QApplication::processEvents();
        shown = m_dlg->isVisible();
    }));
    QCOMPARE(shown, !hides);
    QVERIFY(m_dlg->isLoaded());
    QCOMPARE(m_dlg->loadCount(), 1);
}

void AboutWindowTest::screenshots()
{
    // Pictures of both tabs for looking at the artwork and the layout.
    const QString dir = qEnvironmentVariable("ABOUT_WINDOW_SCREENSHOTS");
    if (dir.isEmpty())
        QSKIP("set ABOUT_WINDOW_SCREENSHOTS to a directory to save them");
    QVERIFY(openAndClose([&] {
        for (int tab = 0; tab < 2; ++tab) {
            m_dlg->SSTab1->selectTab(tab);
            QApplication::processEvents();
            m_dlg->grab().save(QDir(dir).filePath(QStringLiteral("about_tab%1.png").arg(tab)));
        }
    }));
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
