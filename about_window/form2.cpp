// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "about_window/form2.h"

#include "about_window/contact_details.h"
#include "platform/caption_label.h"
#include "platform/designed_look.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "platform/zoom.h"
#include "version.h"

#include <QCloseEvent>
#include <QColor>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

const QSize kClientSize = platform::twipsSize(6060, 3150);

const QString kBackgroundPicture = QStringLiteral(":/images/background_about.png");
const QString kIcon = QStringLiteral(":/images/calculator_icon.png");
const QString kMakerBanner = QStringLiteral(":/images/about_maker_banner.png");
const QString kDesignerBanner = QStringLiteral(":/images/about_design_banner.png");

// A caption of two lines, joined by a carriage return as every caption here.
QString twoLines(QStringView firstTag, QStringView first, QStringView secondTag, QStringView second)
{
    QString caption;
    caption.reserve(firstTag.size() + first.size() + 1 + secondTag.size() + second.size());
    caption.append(firstTag).append(first).append(QChar(13)).append(secondTag).append(second);
    return caption;
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the tabs wherever the focus is in the
// window. The tab control does so by itself only while the focus is on it,
// and the Close button, which has the focus, stands outside it.
class TabKeysTurnTabs : public QObject {
public:
    explicit TabKeysTurnTabs(Form2 *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tabKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        platform::TabControl *tabs = m_window->tabs();
        if (!tabKey || !(key->modifiers() & Qt::ControlModifier) || !tabs || tabs->count() < 2)
            return false;
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        tabs->selectTab((tabs->selectedTab() + (back ? -1 : 1) + tabs->count()) % tabs->count());
        return true;
    }

private:
    Form2 *m_window;
};

} // namespace

struct Form2::Controls {
    QPushButton *command1 = nullptr;
    platform::TabControl *sstab1 = nullptr;
    platform::ControlArray<platform::PictureBox> picture1{2};
    platform::ControlArray<platform::PictureBox> picture2{2};
    platform::ControlArray<platform::CaptionLabel> label1{2};
    platform::ControlArray<platform::CaptionLabel> label2{2};
    platform::ControlArray<platform::CaptionLabel> label3{2};
    platform::ControlArray<platform::CaptionLabel> label4{2};
};

Form2::Form2(QWidget *owner)
    : QDialog(owner), m_background(platform::loadPicture(kBackgroundPicture, this))
{
    platform::applyDesignedLook(this);
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(kIcon));
    platform::setFixedDialogFrame(this, kClientSize);
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::kLightBlue);
    setPalette(p);
    setAutoFillBackground(true);
    installEventFilter(new TabKeysTurnTabs(this));
}

Form2::~Form2() = default;

void Form2::showModal()
{
    if (m_showing)
        return; // already up; exec() does not nest
    if (m_unloadRequested)
        unload();
    if (!isLoaded())
        load();

    platform::centreOver(this, parentWidget());
    m_showing = true;
    exec();
    m_showing = false;

    // Closed from the title bar: the controls go only now, once no event of
    // theirs is being delivered any more.
    if (m_unloadRequested)
        unload();
}

void Form2::load()
{
    using platform::twipsRect;

    m_controls = std::make_unique<Controls>();
    Controls &c = *m_controls;

    // First in the focus order, so it holds the focus when the window opens.
    c.command1 = new QPushButton(tr("Close"), this);
    c.command1->setGeometry(twipsRect(4500, 2625, 1455, 405));
    c.command1->setAutoDefault(false);
    c.command1->setDefault(false);
    connect(c.command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    c.sstab1 = new platform::TabControl(this);
    c.sstab1->setGeometry(twipsRect(120, 120, 5835, 2325));
    c.sstab1->addPage(tr("About HALDMARK\u00AE"));
    c.sstab1->addPage(tr("Software Design"));
    c.sstab1->setBackColour(platform::kLightBlue);

    const auto makeLabel = [&c](int index, Qt::Alignment alignment, const QRect &rect) {
        auto *label = new platform::CaptionLabel(nullptr, alignment);
        c.sstab1->place(tabOfIndex(index), label, rect);
        return label;
    };

    // Both members of each array stand at the same place on their tabs.
    for (const int index : {1, 0}) {
        const int tab = tabOfIndex(index);
        const bool maker = index == 1;

        auto *banner = new platform::PictureBox(maker ? kMakerBanner : kDesignerBanner,
                                                platform::PictureBox::Border::Sunken);
        c.sstab1->place(tab, banner, twipsRect(945, 375, 4785, 1065));
        c.picture1.set(index, banner);
        banner->setAccessibleName(maker ? tr("HALDMARK banner") : tr("Corvane Software logo"));

        auto *icon = new platform::PictureBox(kIcon, platform::PictureBox::Border::None);
        c.sstab1->place(tab, icon, twipsRect(240, 555, 480, 555));
        c.picture2.set(index, icon);
        icon->setAccessibleName(tr("Calculator icon"));

        c.label1.set(index, makeLabel(index, Qt::AlignHCenter, twipsRect(105, 1080, 765, 330)));
        c.label1(index)->setCaption(QStringLiteral("V. ") + QLatin1StringView(app::kVersion));

        c.label2.set(index, makeLabel(index, Qt::AlignHCenter, twipsRect(90, 1515, 5625, 285)));
        c.label2(index)->setCaption(
            (maker ? about_window::kMaker : about_window::kSoftwareDesigner).addressLine.toString());

        c.label4.set(index, makeLabel(index, Qt::AlignLeft, twipsRect(615, 1770, 2775, 465)));
        c.label3.set(index, makeLabel(index, Qt::AlignRight, twipsRect(3165, 1770, 2040, 465)));
    }

    setTabOrder(c.command1, c.sstab1);
    c.sstab1->selectTab(0);
    c.command1->setFocus();

    if (m_zoom != 1)
        applyZoom();

    ++m_loadCount;
    Form_Load();
}

void Form2::setZoom(qreal factor)
{
    if (factor == m_zoom)
        return;
    m_zoom = factor;
    applyZoom();
}

void Form2::applyZoom()
{
    setFixedSize(platform::zoomed(kClientSize, m_zoom));
    platform::zoomControls(this, m_zoom);
    m_background = platform::loadPicture(kBackgroundPicture, this, m_zoom);
    update();
}

void Form2::unload()
{
    m_unloadRequested = false;
    if (!m_controls)
        return;
    delete m_controls->command1;
    delete m_controls->sstab1; // and everything placed on its tabs
    m_controls.reset();
}

void Form2::Form_Load()
{
    if (!m_controls)
        return;
    Controls &c = *m_controls;
    using about_window::kMaker;
    using about_window::kSoftwareDesigner;

    c.label3(0)->setCaption(twoLines(u"Phone: ", kSoftwareDesigner.phone, u"Fax: ", kSoftwareDesigner.fax));
    c.label4(0)->setCaption(twoLines(u"E-mail: ", kSoftwareDesigner.email, u"WWW: ", kSoftwareDesigner.web));
    c.label3(1)->setCaption(twoLines(u"Phone: ", kMaker.phone, u"Fax: ", kMaker.fax));
    c.label4(1)->setCaption(twoLines(u"E-mail: ", kMaker.email, u"WWW: ", kMaker.web));
}

void Form2::Command1_Click()
{
    hide();
}

void Form2::reject()
{
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Hiding never comes here; only a close does, from the title bar's close
    // box or system menu or from the program, and a close unloads. Qt hides
    // the window once the event is accepted, which ends exec().
    event->accept();
    if (m_showing)
        m_unloadRequested = true;
    else
        unload();
}

void Form2::paintEvent(QPaintEvent *)
{
    // Unscaled from the top-left corner, as drawn for this window's size.
    QPainter(this).drawPixmap(0, 0, m_background);
}

QPushButton *Form2::closeButton() const
{
    return m_controls ? m_controls->command1 : nullptr;
}

platform::TabControl *Form2::tabs() const
{
    return m_controls ? m_controls->sstab1 : nullptr;
}

platform::CaptionLabel *Form2::label(int array, int index) const
{
    if (!m_controls || index < 0 || index > 1)
        return nullptr;
    switch (array) {
    case 1: return m_controls->label1(index);
    case 2: return m_controls->label2(index);
    case 3: return m_controls->label3(index);
    case 4: return m_controls->label4(index);
    default: return nullptr;
    }
}

platform::PictureBox *Form2::picture(int array, int index) const
{
    if (!m_controls || index < 0 || index > 1)
        return nullptr;
    switch (array) {
    case 1: return m_controls->picture1(index);
    case 2: return m_controls->picture2(index);
    default: return nullptr;
    }
}
