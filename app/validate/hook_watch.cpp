#include "hook_watch.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <type_traits>
#include <utility>


namespace app::validate {

namespace {

HookWatch* _watch = nullptr;

// Stand-ins per hook type; a plug-in registering more hooks of one type than
// this has the rest run unwatched.
constexpr std::size_t kSlots = 8;

template <class Fn>
Fn _originals[kSlots] = {};
template <class Fn>
std::size_t _used{};

template <class Fn>
constexpr const char* hook_name() {
    if constexpr (std::is_same_v<Fn, AEGP_CommandHook>) return "command";
    else if constexpr (std::is_same_v<Fn, AEGP_UpdateMenuHook>) return "update menu";
    else if constexpr (std::is_same_v<Fn, AEGP_IdleHook>) return "idle";
    else if constexpr (std::is_same_v<Fn, AEGP_DeathHook>) return "death";
    else return "create panel";
}

template <class Fn, std::size_t I>
struct Stand;

template <class... Args, std::size_t I>
struct Stand<A_Err (*)(Args...), I> {
    using Fn = A_Err (*)(Args...);
    static A_Err call(Args... args) {
        const Fn original = _originals<Fn>[I];
        return _watch->around(hook_name<Fn>(), [&] { return original(args...); });
    }
};

template <class Fn, std::size_t... I>
constexpr std::array<Fn, kSlots> make_stands(std::index_sequence<I...>) {
    return {&Stand<Fn, I>::call...};
}

template <class Fn>
constexpr std::array<Fn, kSlots> kStands = make_stands<Fn>(std::make_index_sequence<kSlots>{});

template <class Entry>
void wrap_entries(std::vector<Entry>& entries) {
    using Fn = decltype(Entry::hook);
    for (Entry& e : entries) {
        const bool watched = std::find(kStands<Fn>.begin(), kStands<Fn>.end(), e.hook) != kStands<Fn>.end();
        if (watched || _used<Fn> == kSlots) continue;
        _originals<Fn>[_used<Fn>] = e.hook;
        e.hook = kStands<Fn>[_used<Fn>++];
    }
}

template <class Fn>
void reset_slots() {
    _used<Fn> = 0;
}

}  // namespace

HookWatch::HookWatch(host::Host& h) : host_(h) {
    if (_watch) throw std::logic_error("one hook watch at a time");
    _watch = this;
    reset_slots<AEGP_CommandHook>();
    reset_slots<AEGP_UpdateMenuHook>();
    reset_slots<AEGP_IdleHook>();
    reset_slots<AEGP_DeathHook>();
    reset_slots<AEGP_CreatePanelHook>();
}

HookWatch::~HookWatch() { _watch = nullptr; }

void HookWatch::wrap() {
    host::Hooks& hooks = host_.hook_registry();
    wrap_entries(hooks.command);
    wrap_entries(hooks.update_menu);
    wrap_entries(hooks.idle);
    wrap_entries(hooks.death);
    wrap_entries(hooks.create_panel);
}

int HookWatch::begin(const char* hook) {
    const long next = host_.calls().total_calls() + 1;
    calls_.push_back({hook, next, next - 1, A_Err_NONE, open_});
    open_ = static_cast<int>(calls_.size()) - 1;
    return open_;
}

void HookWatch::end(int index, A_Err status) {
    HookCall& call = calls_[static_cast<std::size_t>(index)];
    call.last = host_.calls().total_calls();
    call.status = status;
    open_ = call.parent;
}

}  // namespace app::validate
