#include "ui/wizard/CWizardDialog.h"

#include "ui/FontUnits.h"
#include "ui/wizard/CWizardPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedLayout>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

CWizardDialog::CWizardDialog(QWidget* parent)
    : QDialog(parent), frame_(new QWidget(this)),
      back_(new QPushButton(QStringLiteral("< &Back"), this)),
      next_(new QPushButton(QStringLiteral("&Next >"), this)),
      finish_(new QPushButton(QStringLiteral("&Finish"), this)),
      cancel_(new QPushButton(QStringLiteral("&Cancel"), this)) {
    auto* stack = new QStackedLayout(frame_);
    stack->setContentsMargins(0, 0, 0, 0);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {back_, next_, finish_, cancel_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->insertSpacing(3, 8);
    next_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->addWidget(frame_, 1);
    layout->addWidget(rule);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(10, 0, 10, 0);
    buttonRow->addLayout(buttons);
    layout->addLayout(buttonRow);

    connect(back_, &QPushButton::clicked, this, &CWizardDialog::back);
    connect(next_, &QPushButton::clicked, this, &CWizardDialog::next);
    connect(finish_, &QPushButton::clicked, this, &CWizardDialog::finish);
    connect(cancel_, &QPushButton::clicked, this, &CWizardDialog::reject);
}

CWizardDialog::~CWizardDialog() {
    for (auto& page : pages_) {
        if (!page->isCreated())
            continue;
        page->pageLeaving();
        page->pageDestroying();
        page.reset();
    }
}

void CWizardDialog::addPage(std::unique_ptr<CWizardPage> page) {
    page->wizard_ = this;
    pages_.push_back(std::move(page));
}

CWizardPage* CWizardDialog::page(int key) const {
    for (const auto& page : pages_) {
        if (page->key() == key)
            return page.get();
    }
    return nullptr;
}

CWizardPage* CWizardDialog::activePage() const {
    for (const auto& page : pages_) {
        if (page->isActive())
            return page.get();
    }
    return nullptr;
}

void CWizardDialog::setFinishEnabled(bool enabled) {
    finish_->setEnabled(enabled);
    updateDefaultButton();
}

// Enter goes to the next step while there is one, and finishes on the last.
void CWizardDialog::updateDefaultButton() {
    const bool finishing = !next_->isEnabled() && finish_->isEnabled();
    finish_->setDefault(finishing);
    next_->setDefault(!finishing);
}

// The size asked for (or the one the window has), within the screen's free area less the
// window manager's frame, fixed for as long as the wizard is open.
void CWizardDialog::settleSize() {
    QSize wanted = size();
    if (fontUnits_.isValid())
        wanted = sizeInFontUnits(fontUnits_, font());
    if (const QScreen* display = screen())
        wanted = wanted.boundedTo(display->availableGeometry().size() - frameExtent());
    setFixedSize(wanted);
}

// What the window manager adds around the window, as far as it can be told before the window is
// shown: the style's title bar and border, or more where this window (shown before) or the
// window it opens over has more. A dialog's frame can be larger than its main window's.
QSize CWizardDialog::frameExtent() const {
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    QSize extent(2 * border, titleBar + 2 * border);
    for (const QWidget* window :
         {static_cast<const QWidget*>(this), static_cast<const QWidget*>(parentWidget())}) {
        if (window)
            extent = extent.expandedTo(window->window()->frameGeometry().size() -
                                       window->window()->size());
    }
    return extent;
}

// Moves the window, frame and title bar included, inside the screen's free area where it
// reaches beyond it (a window placed partly off the screen).
void CWizardDialog::keepOnScreen() {
    const QScreen* display = screen();
    if (!display)
        return;
    const QRect free = display->availableGeometry();
    const QRect frame = frameGeometry();
    const auto inside = [](int start, int length, int low, int high) {
        return std::clamp(start, low, std::max(low, high - length + 1));
    };
    const QPoint shift(
        inside(frame.left(), frame.width(), free.left(), free.right()) - frame.left(),
        inside(frame.top(), frame.height(), free.top(), free.bottom()) - frame.top());
    if (!shift.isNull())
        move(pos() + shift);
}

void CWizardDialog::showEvent(QShowEvent* event) {
    if (!started_)
        settleSize();
    QDialog::showEvent(event);
    keepOnScreen();
    if (started_)
        return;
    start();
    // Showing a dialog hands the focus to its default button once the show is done; the first
    // step's first field takes it back, so typing goes where the preparer expects it.
    QTimer::singleShot(0, this, [this] {
        if (CWizardPage* page = activePage(); page && page->firstField())
            page->firstField()->setFocus(Qt::TabFocusReason);
    });
}

void CWizardDialog::start() {
    started_ = true;
    endReached_ = false;
    back_->setEnabled(false);
    const bool singleStep = pages_.size() < 2;
    finish_->setEnabled(singleStep);
    next_->setEnabled(!singleStep);
    if (!pages_.empty())
        showPage(pages_.front().get());
    updateDefaultButton();
}

// Each step sits in its own scroll area, which scrolls only when the step needs more room than
// the window has (and brings the field that gets the focus into view).
bool CWizardDialog::createPage(CWizardPage* target) {
    auto* scroller = new QScrollArea(frame_);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    target->hide();
    scroller->setWidget(target);
    static_cast<QStackedLayout*>(frame_->layout())->addWidget(scroller);
    target->created_ = true;
    return target->pageCreated();
}

bool CWizardDialog::showPage(CWizardPage* target) {
    if (!target->isCreated() && !createPage(target))
        return false;
    if (CWizardPage* current = activePage(); current && current != target) {
        if (!current->pageLeaving())
            return false;
        current->active_ = false;
    }
    auto* stack = static_cast<QStackedLayout*>(frame_->layout());
    target->setEnabled(true);
    stack->setCurrentWidget(scrollAreaOf(target));
    target->show();
    target->update();
    target->pageShown();
    target->active_ = true;
    if (QWidget* field = target->firstField()) {
        field->setFocus(Qt::TabFocusReason);
        // Once the step is laid out, a step that scrolls shows the field that has the focus.
        QTimer::singleShot(0, field, [scroller = scrollAreaOf(target), field] {
            scroller->ensureWidgetVisible(field);
        });
    }
    return true;
}

QScrollArea* CWizardDialog::scrollAreaOf(const CWizardPage* page) {
    QWidget* viewport = page->parentWidget();
    return viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
}

int CWizardDialog::indexOf(const CWizardPage* page) const {
    for (std::size_t index = 0; index < pages_.size(); ++index) {
        if (pages_[index].get() == page)
            return static_cast<int>(index);
    }
    return -1;
}

CWizardPage* CWizardDialog::targetOf(int result, int step) const {
    if (result == CWizardPage::kStay)
        return nullptr;
    if (result != CWizardPage::kMoveOn)
        return page(result);
    const int from = indexOf(activePage());
    const int count = static_cast<int>(pages_.size());
    for (int index = from + step; index >= 0 && index < count; index += step) {
        if (pages_[static_cast<std::size_t>(index)]->isStepEnabled())
            return pages_[static_cast<std::size_t>(index)].get();
    }
    return nullptr;
}

void CWizardDialog::next() {
    CWizardPage* current = activePage();
    if (!current)
        return;
    CWizardPage* target = targetOf(current->nextPressed(), +1);
    if (target && showPage(target) && target == pages_.back().get()) {
        next_->setEnabled(false);
        finish_->setEnabled(true);
    }
    back_->setEnabled(true);
    updateDefaultButton();
}

void CWizardDialog::back() {
    CWizardPage* current = activePage();
    if (!current)
        return;
    CWizardPage* target = targetOf(current->backPressed(), -1);
    if (target && showPage(target) && target == pages_.front().get()) {
        back_->setEnabled(false);
        finish_->setEnabled(false);
    }
    next_->setEnabled(true);
    updateDefaultButton();
}

template <typename Predicate>
bool CWizardDialog::everyUsedPage(Predicate predicate) const {
    for (const auto& page : pages_) {
        if (page->isCreated() && page->isStepEnabled() && !predicate(*page))
            return false;
    }
    return true;
}

void CWizardDialog::finish() {
    CWizardPage* current = activePage();
    if (current && !current->pageLeaving())
        return;
    if (!everyUsedPage([](CWizardPage& page) { return page.finishPressed(); }))
        return;
    if (!commitFinish())
        return;
    done(kFinished);
}

void CWizardDialog::reject() {
    if (!everyUsedPage([](CWizardPage& page) { return page.queryCancel(); }))
        return;
    done(kCancelled);
}
