#include "app/Shell.h"

#include "app/MainWindow.h"
#include "dictionary/DictionaryWindow.h"
#include "platform/HelpViewer.h"
#include "platform/WindowPlacement.h"

#include <QWidget>

Shell::Shell() = default;

void Shell::registerGame(int item, WindowFactory factory) { games_[item] = std::move(factory); }

void Shell::registerDictionaryWindow(WindowFactory factory) { dictionaryWindow_ = std::move(factory); }

MainWindow* Shell::showMain(QScreen* screen)
{
    auto* w = new MainWindow(tour_, dictionary_);
    windowplace::fitAndCentre(w, screen);
    main_ = w;
    for (int item = 1; item <= 7; ++item)
        w->setGameAvailable(item, games_.count(item) > 0);
    w->setDictionaryAvailable(bool(dictionaryWindow_));
    connect(w, &MainWindow::gameRequested, this, [this](int item) {
        auto it = games_.find(item);
        if (it != games_.end())
            open(it->second);
    });
    connect(w, &MainWindow::dictionaryRequested, this, [this] {
        if (dictionaryWindow_)
            open(dictionaryWindow_);
    });
    connect(w, &MainWindow::dictionaryLookupRequested, this, [this](const QString& text) {
        if (!dictionaryWindow_)
            return;
        open(dictionaryWindow_);
        if (auto* d = qobject_cast<DictionaryWindow*>(other_.data()))
            d->lookUp(text);
    });
    connect(w, &MainWindow::programEndRequested, this, &Shell::programEndRequested);
    // Closed by its frame with no game or dictionary window taking over: the
    // program ends, and an open help window must not keep it alive.
    connect(w, &QObject::destroyed, this, [this](QObject* gone) {
        const bool replaced = main_ && main_.data() != gone;
        if (!replaced && (!other_ || !other_->isVisible()))
            help::closeAll();
    });
    w->startUp();
    return main_;
}

void Shell::open(const WindowFactory& factory)
{
    QWidget* window = factory(*this);
    if (!window)
        return;
    other_ = window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    // On the main window's screen, whole.
    windowplace::fitAndCentre(window, main_ ? main_->screen() : nullptr);
    window->show();
    if (main_)
        main_->close();  // deletes it
}

void Shell::returnToMain(QWidget* from)
{
    showMain(from ? from->screen() : nullptr);
    if (from)
        from->close();
}
