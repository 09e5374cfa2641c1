#include "CVARNDoc.h"

namespace varn {

CVARNDoc::CVARNDoc(InstallRoot root, UserInterface& ui) : root_(std::move(root)), ui_(ui) {}

CVARNDoc::~CVARNDoc() = default;

} // namespace varn
