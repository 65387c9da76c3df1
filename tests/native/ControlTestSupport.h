#pragma once
// What the control tests share: a simulated machine with a fresh application
// per test, and a backend whose windowing hands out recording peers, to see
// what the controls push to native windows.

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/os/Backend.h"
#include "platform/sim/Machine.h"

namespace os {
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
}  // namespace os

// The simulated machine installed, and Application and Screen made fresh.
struct SimApp {
    sim::Machine machine;
    os::ScopedBackend backend{machine};
    ScopedApplication app;

    sim::SimWindowing& Windowing() { return machine.Windowing(); }
};

// A peer that writes every call into a shared log, as "Name.Call(args)".
class RecordingPeer : public os::Peer {
  public:
    RecordingPeer(std::vector<std::string>& log, std::string name, os::WindowHandle handle)
        : log_(log), name_(std::move(name)), handle_(handle) {}
    ~RecordingPeer() override { Log("Destroy"); }

    os::WindowHandle Handle() const override { return handle_; }
    void SetText(const std::string& text) override {
        text_ = text;
        Log("SetText(" + text + ")");
    }
    std::string Text() const override { return text_; }
    void SetBounds(const os::Rect& r) override {
        Log("SetBounds(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
            std::to_string(r.width) + "," + std::to_string(r.height) + ")");
    }
    void SetVisible(bool visible) override { Log(std::string("SetVisible(") + B(visible) + ")"); }
    void SetEnabled(bool enabled) override { Log(std::string("SetEnabled(") + B(enabled) + ")"); }
    void SetFont(const os::FontSpec& font) override {
        Log("SetFont(" + font.name + "," + std::to_string(font.height) + ")");
    }
    void SetColor(std::int32_t) override {}
    void SetGlyph(const std::vector<std::uint8_t>& image, int numGlyphs) override {
        Log("SetGlyph(" + std::to_string(image.size()) + " bytes," + std::to_string(numGlyphs) +
            ")");
    }
    void SetFocus() override { Log("SetFocus"); }
    void PlaceAfter(const os::Peer*) override { Log("PlaceAfter"); }
    void SetChecked(bool checked) override {
        checked_ = checked;
        Log(std::string("SetChecked(") + B(checked) + ")");
    }
    bool Checked() const override { return checked_; }
    void ComboClear() override { Log("ComboClear"); }
    void ComboInsert(int index, const std::string& item) override {
        Log("ComboInsert(" + std::to_string(index) + "," + item + ")");
    }
    void ComboDelete(int index) override { Log("ComboDelete(" + std::to_string(index) + ")"); }
    void ComboSetItemIndex(int index) override {
        itemIndex_ = index;
        Log("ComboSetItemIndex(" + std::to_string(index) + ")");
    }
    int ComboItemIndex() const override { return itemIndex_; }
    void ComboSetDroppedDown(bool dropped) override {
        Log(std::string("ComboSetDroppedDown(") + B(dropped) + ")");
    }
    bool ComboDroppedDown() const override { return false; }
    void ComboSetDropDownCount(int) override {}
    void ComboSelectText(int, int) override {}
    void RichAppendLine(const std::string& line) override { Log("RichAppendLine(" + line + ")"); }
    void RichClear() override { Log("RichClear"); }
    void RichSetReadOnly(bool) override {}

    // What the native control holds after the user changed it.
    void UserSets(const std::string& text, int itemIndex) {
        text_ = text;
        itemIndex_ = itemIndex;
    }

  private:
    static const char* B(bool b) { return b ? "true" : "false"; }
    void Log(const std::string& call) const { log_.push_back(name_ + "." + call); }

    std::vector<std::string>& log_;
    std::string name_;
    os::WindowHandle handle_;
    std::string text_;
    bool checked_ = false;
    int itemIndex_ = -1;
};

// The simulated windowing, but every control gets a recording peer named
// after the control's text or class.
class PeerWindowing : public sim::SimWindowing {
  public:
    std::vector<std::string> log;
    std::vector<RecordingPeer*> peers;  // in creation order; owned by the controls

    std::unique_ptr<os::Peer> CreatePeer(const os::PeerSpec& params, os::Peer* parent,
                                         os::PeerHost&) override {
        std::string name = params.text.empty() ? params.className : params.text;
        log.push_back("Create " + name + (parent != nullptr ? " in parent" : ""));
        auto peer = std::make_unique<RecordingPeer>(log, name, nextHandle_++);
        peers.push_back(peer.get());
        return peer;
    }

  private:
    os::WindowHandle nextHandle_ = 500;
};

// A machine whose windowing hands out recording peers.
class PeerMachine : public os::Backend {
  public:
    sim::Machine machine;
    PeerWindowing windowing_;

    os::Registry& registry() override { return machine.registry(); }
    os::Files& files() override { return machine.files(); }
    os::Shell& shell() override { return machine.shell(); }
    os::Windowing& windowing() override { return windowing_; }
};

struct PeerApp {
    PeerMachine machine;
    os::ScopedBackend backend{machine};
    ScopedApplication app;

    std::vector<std::string>& Log() { return machine.windowing_.log; }
};

// A form owned by the application, complete and not shown.
template <class T = TForm>
T* NewForm() {
    return TCustomForm::Create<T>(Application);
}
