// Placeholder definitions until the engine's dialogs are built.
#include "CAverage.h"
#include "CBaseSet.h"
#include "CHMMParameter.h"
#include "CRefSelect.h"

namespace varn {
void CAverage::onInitDialog() {}
bool CAverage::onOk(UserInterface&) { return true; }
bool CBaseSet::onOk(UserInterface&) { return true; }
void CHMMParameter::onInitDialog() {}
void CHMMParameter::onDefault() {}
void CHMMParameter::onOk() {}
void CRefSelect::onSampleLoad() {}
bool CRefSelect::onOk(UserInterface&) { return true; }
} // namespace varn
