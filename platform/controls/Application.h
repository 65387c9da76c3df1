#pragma once
// TApplication: the program's application object (the global Application).
// It owns the forms, knows the main form (the first one created), runs the
// message loop and handles the exceptions that escape event handlers.
//
// A program or a test gets its application, and the screen, from a
// ScopedApplication:
//
//   ScopedApplication app;            // sets Application and Screen
//   Application->SetTitle("Setup");
//   Application->Initialize();
//   Application->CreateForm<TMainForm>(MainForm);
//   Application->Run();

#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/controls/Form.h"
#include "platform/core/Events.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"
#include "platform/os/Windowing.h"

class TScreen;

class TApplication : public TComponent {
    PF_CLASS(TApplication)
  public:
    explicit TApplication(TComponent* owner);
    // Frees the forms, last created first, while the application is whole.
    ~TApplication() override;

    // The title of message boxes; without one, the program file's name.
    std::string Title() const;
    void SetTitle(const std::string& title) { title_ = title; }
    void Initialize();
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }
    TCustomForm* MainForm() const { return mainForm_; }

    // Creates a form of class T owned by the application (see
    // TCustomForm::Create) and sets ref to it; the first form becomes the
    // main form. When reading its description fails, ref is null and the
    // error propagates.
    template <class T>
    void CreateForm(T*& ref);

    // Shows the main form (when ShowMainForm) and handles messages until the
    // quit message (Terminate posts it) arrives; with the sim backend also
    // until no message is left. Without a main form it returns at once.
    void Run();
    // Handles every pending message.
    void ProcessMessages();
    // Ends the message loop: sets Terminated and posts the quit message.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // The application's hidden main window.
    os::WindowHandle Handle() const;

    // Handles the exception being caught (call it from a catch block): the
    // silent abort is dropped; OnException gets the others when assigned,
    // otherwise ShowException shows them.
    void HandleException(TObject* sender);
    // The exception's message in an error box captioned with the title.
    void ShowException(const Exception& e);
    TEvent<TObject*, const Exception&> OnException;

    // A message box owned by the active form; returns the answer (IDOK ...).
    int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t flags);

    void Notification(TComponent* component, TOperation operation) override;

  private:
    std::string title_;
    bool showMainForm_ = true;
    bool terminated_ = false;
    TCustomForm* mainForm_ = nullptr;
};

// The program file's name without folder and extension ("Install" for
// C:\Dist\Install.exe): the title of an application that set none.
std::string ProgramName();

// The application of the running program or test; null outside one.
extern TApplication* Application;

// Makes the global Application and Screen for its lifetime and frees them
// (and with them every form) afterwards, restoring what was there before.
class ScopedApplication {
  public:
    ScopedApplication();
    ~ScopedApplication();
    ScopedApplication(const ScopedApplication&) = delete;
    ScopedApplication& operator=(const ScopedApplication&) = delete;

  private:
    TApplication* previousApplication_;
    TScreen* previousScreen_;
};

template <class T>
void TApplication::CreateForm(T*& ref) {
    static_assert(std::is_base_of_v<TCustomForm, T>, "CreateForm makes forms");
    ref = nullptr;
    T* form = TCustomForm::Create<T>(this);
    ref = form;
    if (mainForm_ == nullptr)
        mainForm_ = form;
}
