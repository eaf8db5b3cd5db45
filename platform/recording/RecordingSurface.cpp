#include "platform/recording/RecordingSurface.h"

#include <stdexcept>

namespace kiv {

using Kind = RecordedOp::Kind;

RecordingSurface::RecordingSurface(RecordingConfig config)
    : config_(std::move(config)),
      screen_{config_.screenWidthTwips, config_.screenHeightTwips},
      generator_(config_.seed),
      user32_(*this) {
    for (float draw : config_.draws)
        if (!(draw >= 0.0f && draw < 1.0f))
            throw std::invalid_argument("RecordingSurface: a draw lies outside [0, 1)");
}

void RecordingSurface::deliverAtYield(std::int64_t yieldNumber, InputEvent event) {
    scheduled_.emplace(yieldNumber, event);
}

void RecordingSurface::deliverNow(const InputEvent& event) {
    dispatch(event);
}

std::vector<std::string> RecordingSurface::traceLines() const {
    std::vector<std::string> lines;
    lines.reserve(ops_.size());
    for (const RecordedOp& op : ops_) lines.push_back(TraceLine(op));
    return lines;
}

void RecordingSurface::setScreenSize(float widthTwips, float heightTwips) {
    screen_ = {widthTwips, heightTwips};
}

void RecordingSurface::load(FormId form) {
    record({.kind = Kind::Load, .form = form});
    events().Load(form);
}

void RecordingSurface::unload(FormId form) {
    record({.kind = Kind::Unload, .form = form});
    std::int16_t cancel = 0;
    events().Unload(form, cancel);
}

void RecordingSurface::refresh(FormId form) {
    record({.kind = Kind::Refresh, .form = form});
}

void RecordingSurface::setForeColor(std::int32_t colour) {
    record({.kind = Kind::Fore, .value = colour});
}

void RecordingSurface::setFontSize(float points) {
    record({.kind = Kind::Font, .size = points});
}

void RecordingSurface::line(float x1, float y1, float x2, float y2) {
    record({.kind = Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, std::int32_t colour) {
    record({.kind = Kind::LineC, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .value = colour});
}

void RecordingSurface::circle(float x, float y, float radius, std::int32_t colour) {
    record({.kind = Kind::Circle, .x1 = x, .y1 = y, .size = radius, .value = colour});
}

void RecordingSurface::print(const std::string& text, std::int32_t number) {
    record({.kind = Kind::Print, .value = number, .text = text});
}

void RecordingSurface::yield() {
    ++yieldCount_;
    if (config_.keepOps) {
        if (!ops_.empty() && ops_.back().kind == Kind::Yield)
            ++ops_.back().value;
        else
            ops_.push_back({.kind = Kind::Yield, .value = 1});
    }
    const auto [first, last] = scheduled_.equal_range(yieldCount_);
    for (auto it = first; it != last; ++it) dispatch(it->second);
}

float RecordingSurface::rnd() {
    const auto index = static_cast<std::size_t>(drawCount_++);
    return index < config_.draws.size() ? config_.draws[index] : generator_.next();
}

void RecordingSurface::messageBox(const std::string& text) {
    record({.kind = Kind::MessageBox, .text = text});
}

void RecordingSurface::endProcess() {
    record({.kind = Kind::End});
    processEnded_ = true;
    throw ProcessEnded{};
}

void RecordingSurface::record(RecordedOp op) {
    if (config_.keepOps) ops_.push_back(std::move(op));
}

void RecordingSurface::dispatch(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::Click:
            events().Click(event.object);
            break;
        case InputEvent::Kind::KeyDown:
            events().KeyDown(event.form, event.keyCode, event.shift);
            break;
        case InputEvent::Kind::MouseMove:
            events().MouseMove(event.form, event.button, event.shift, event.x, event.y);
            break;
        case InputEvent::Kind::Close:
            unload(event.form);
            break;
    }
}

SurfaceEvents& RecordingSurface::events() {
    if (!events_) throw std::logic_error("RecordingSurface: no program attached");
    return *events_;
}

int RecordingSurface::RecordingUser32::ShowCursor(int bShow) {
    owner.record({.kind = Kind::ShowCursor, .value = bShow});
    return state.ShowCursor(bShow);
}

int RecordingSurface::RecordingUser32::SystemParametersInfoA(std::uint32_t uiAction,
                                                             std::uint32_t uiParam, void* pvParam,
                                                             std::uint32_t fWinIni) {
    owner.record(
        {.kind = Kind::Spi, .value = uiAction, .param = static_cast<std::int32_t>(uiParam)});
    return state.SystemParametersInfoA(uiAction, uiParam, pvParam, fWinIni);
}

}  // namespace kiv
