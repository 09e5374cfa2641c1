#pragma once

#include <functional>
#include <map>

namespace varn {

class CVARNDoc;
class CVARNView;

// Who handles a command, in the order a command is offered to them.
enum class CommandTarget { View = 0, Document = 1, Frame = 2, Application = 3 };

// The routing of command ids to their handlers in the single-document order: the view first,
// then the document, then the frame, then the application. The first that has a handler runs it.
// Enable state follows the update handlers: the view's rules, the document's RawDataOut rule,
// and otherwise "enabled when someone handles it".
class CommandRouter {
  public:
    using Handler = std::function<void()>;

    CommandRouter(CVARNDoc& doc, CVARNView& view);

    void add(CommandTarget target, int id, Handler handler);

    // Runs the handler of the first target that has one; false when none has.
    bool route(int id) const;
    bool hasHandler(int id) const;
    // Which target the command would reach; meaningful only when hasHandler(id).
    CommandTarget handlerOf(int id) const;
    bool isEnabled(int id) const;

  private:
    const Handler* find(int id) const;

    CVARNDoc& doc_;
    CVARNView& view_;
    std::map<int, Handler> handlers_[4];
};

} // namespace varn
