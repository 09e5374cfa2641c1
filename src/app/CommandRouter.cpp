#include "CommandRouter.h"

#include "document/CVARNDoc.h"
#include "view/CVARNView.h"
#include "view/CommandIds.h"

namespace varn {

CommandRouter::CommandRouter(CVARNDoc& doc, CVARNView& view) : doc_(doc), view_(view) {}

void CommandRouter::add(CommandTarget target, int id, Handler handler) {
    handlers_[static_cast<int>(target)][id] = std::move(handler);
}

const CommandRouter::Handler* CommandRouter::find(int id) const {
    for (const auto& table : handlers_) {
        const auto it = table.find(id);
        if (it != table.end()) return &it->second;
    }
    return nullptr;
}

bool CommandRouter::route(int id) const {
    const Handler* handler = find(id);
    if (handler == nullptr) return false;
    (*handler)();
    return true;
}

bool CommandRouter::hasHandler(int id) const {
    return find(id) != nullptr;
}

CommandTarget CommandRouter::handlerOf(int id) const {
    for (int target = 0; target < 4; ++target)
        if (handlers_[target].count(id) != 0) return static_cast<CommandTarget>(target);
    return CommandTarget::Application;
}

bool CommandRouter::isEnabled(int id) const {
    if (!hasHandler(id)) return false;
    if (CVARNView::handlesEnableRule(id)) return view_.isCommandEnabled(id);
    if (id == ID_RAW_DATA_OUT) return doc_.OnUpdateRawDataOut();
    if (id == ID_ALLELE_OUT) return doc_.OnUpdateAlleleOut();
    return true;
}

} // namespace varn
