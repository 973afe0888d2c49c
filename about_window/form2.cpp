// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "about_window/form2.h"

#include "model/text/contact_details.h"
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
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

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

} // namespace

Form2::Form2(QWidget *owner) : QDialog(owner), m_background(platform::loadPicture(kBackgroundPicture, this))
{
    platform::applyDesignedLook(this);
    setWindowTitle(tr("About"));
    setWindowIcon(QIcon(kIcon));
    platform::setFixedDialogFrame(this, kClientSize);
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::kLightBlue);
    setPalette(p);
    setAutoFillBackground(true);

    // Ctrl+Tab and Ctrl+Shift+Tab turn the tabs wherever the focus is in the
    // window, as in the main window. The tab control takes them by itself
    // only while the focus is on it, and the Close button stands outside it.
    const std::pair<QKeySequence::StandardKey, int> turns[] = {{QKeySequence::NextChild, 1},
                                                               {QKeySequence::PreviousChild, -1}};
    for (const auto &[keys, step] : turns) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, step = step] {
            if (SSTab1)
                SSTab1->selectTab((SSTab1->selectedTab() + step + SSTab1->count()) % SSTab1->count());
        });
    }
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

    // First in the focus order, so it holds the focus when the window opens.
    Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4500, 2625, 1455, 405));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    SSTab1 = new platform::TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(120, 120, 5835, 2325));
    SSTab1->addPage(tr("About HALDMARK\u00AE"));
    SSTab1->addPage(tr("Software Design"));
    SSTab1->setBackColour(platform::kLightBlue);

    // Both members of each array stand at the same place on their tabs:
    // member 1 on the maker's tab, member 0 on the design tab.
    for (const int index : {1, 0}) {
        const int tab = index == 1 ? 0 : 1;
        const bool maker = index == 1;
        const auto place = [&](QWidget *control, const QRect &rect) { SSTab1->place(tab, control, rect); };
        const auto makeLabel =
            [&](platform::ControlArray<platform::CaptionLabel> &array, Qt::Alignment alignment, const QRect &rect) {
            auto *label = new platform::CaptionLabel(nullptr, alignment);
            array.set(index, label);
            place(label, rect);
            return label;
        };

        auto *banner =
            new platform::PictureBox(maker ? kMakerBanner : kDesignerBanner, platform::PictureBox::Border::Sunken);
        Picture1.set(index, banner);
        place(banner, twipsRect(945, 375, 4785, 1065));
        banner->setAccessibleName(maker ? tr("HALDMARK banner") : tr("Corvane Software logo"));

        auto *icon = new platform::PictureBox(kIcon, platform::PictureBox::Border::None);
        Picture2.set(index, icon);
        place(icon, twipsRect(240, 555, 480, 555));
        icon->setAccessibleName(tr("Calculator icon"));

        makeLabel(Label1, Qt::AlignHCenter, twipsRect(105, 1080, 765, 330))
            ->setCaption(QStringLiteral("V. ") + QLatin1StringView(app::kVersion));
        makeLabel(Label2, Qt::AlignHCenter, twipsRect(90, 1515, 5625, 285))
            ->setCaption((maker ? model::kMaker : model::kSoftwareDesigner).addressLine.toString());
        makeLabel(Label4, Qt::AlignLeft, twipsRect(615, 1770, 2775, 465));
        makeLabel(Label3, Qt::AlignRight, twipsRect(3165, 1770, 2040, 465));
    }

    setTabOrder(Command1, SSTab1);
    SSTab1->selectTab(0);
    Command1->setFocus();

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
    if (!isLoaded())
        return;
    delete Command1;
    delete SSTab1; // and everything placed on its tabs
    Command1 = nullptr;
    SSTab1 = nullptr;
    for (auto *array : {&Picture1, &Picture2})
        array->clear();
    for (auto *array : {&Label1, &Label2, &Label3, &Label4})
        array->clear();
}

void Form2::Form_Load()
{
    using model::kMaker;
    using model::kSoftwareDesigner;

    Label3(0)->setCaption(twoLines(tr("Phone: "), kSoftwareDesigner.phone, tr("Fax: "), kSoftwareDesigner.fax));
    Label4(0)->setCaption(twoLines(tr("E-mail: "), kSoftwareDesigner.email, tr("WWW: "), kSoftwareDesigner.web));
    Label3(1)->setCaption(twoLines(tr("Phone: "), kMaker.phone, tr("Fax: "), kMaker.fax));
    Label4(1)->setCaption(twoLines(tr("E-mail: "), kMaker.email, tr("WWW: "), kMaker.web));
}

void Form2::Command1_Click() { hide(); }

void Form2::reject() {}

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
