#include "platform/controls/Application.h"

#include "platform/controls/Register.h"
#include "platform/controls/Screen.h"
#include "platform/core/StrUtils.h"
#include "platform/os/Backend.h"

TApplication* Application = nullptr;

const TClassType& TApplication::StaticClass() {
    static const TClassType type = TClassType::Define<TApplication, TComponent>("TApplication");
    return type;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    RegisterControlClasses();
}

TApplication::~TApplication() {
    Destroying();
    DestroyComponents();
}

std::string ProgramName() {
    return ChangeFileExt(ExtractFileName(os::files().ProgramPath()), "");
}

std::string TApplication::Title() const {
    if (!title_.empty() || !os::HasBackend())
        return title_;
    return ProgramName();
}

void TApplication::Initialize() {
    RegisterControlClasses();
}

os::WindowHandle TApplication::Handle() const {
    return os::windowing().ApplicationWindow();
}

void TApplication::Run() {
    if (mainForm_ == nullptr)
        return;
    if (showMainForm_) {
        try {
            mainForm_->Show();
        } catch (...) {
            HandleException(this);
        }
    }
    // Terminate posts the quit message; the loop ends when it takes it, so
    // that no quit is left behind for a later message loop.
    for (;;) {
        os::LoopTurn turn = os::LoopTurn::Dispatched;
        try {
            turn = os::windowing().HandleMessage();
        } catch (...) {
            HandleException(this);
            continue;
        }
        if (turn == os::LoopTurn::Quit) {
            terminated_ = true;
            break;
        }
        if (turn == os::LoopTurn::Idle)
            break;
    }
}

void TApplication::ProcessMessages() {
    for (;;) {
        try {
            os::windowing().ProcessPendingMessages();
            return;
        } catch (...) {
            // The failed message is gone; the rest of the queue still runs.
            HandleException(this);
        }
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    os::windowing().PostQuit();
}

void TApplication::HandleException(TObject* sender) {
    std::exception_ptr current = std::current_exception();
    if (!current)
        return;
    auto handle = [&](const Exception& e) {
        if (OnException) {
            OnException(sender, e);
        } else {
            ShowException(e);
        }
    };
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
        // The silent abort reports nothing.
    } catch (const Exception& e) {
        handle(e);
    } catch (const std::exception& e) {
        handle(Exception(e.what()));
    } catch (...) {
        handle(Exception("Unknown exception"));
    }
}

void TApplication::ShowException(const Exception& e) {
    std::string text = e.Message();
    // A message ends with a full stop unless it ends in punctuation already.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    ShowMessageBox(text, Title(), os::MB_OK | os::MB_ICONERROR);
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption,
                                 std::uint32_t flags) {
    os::WindowHandle owner = 0;
    if (Screen != nullptr && Screen->ActiveForm() != nullptr)
        owner = Screen->ActiveForm()->Handle();
    if (owner == 0)
        owner = Handle();
    return os::windowing().ShowMessageBox(owner, text, caption, flags);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mainForm_)
        mainForm_ = nullptr;
}

ScopedApplication::ScopedApplication()
    : previousApplication_(Application), previousScreen_(Screen) {
    Screen = new TScreen(nullptr);
    Application = new TApplication(nullptr);
}

ScopedApplication::~ScopedApplication() {
    // The forms are freed while Application and Screen still refer to their
    // objects, so that OnDestroy handlers can use them.
    FreeComponent(Application);
    Application = previousApplication_;
    FreeComponent(Screen);
    Screen = previousScreen_;
}
