#pragma once

#include <string>
#include <vector>

namespace varn::cli {

struct CommandContext;

// One function per command; args are the words after the command's name. Each returns the exit
// status.
int runDemoData(const CommandContext& context, const std::vector<std::string>& args);
int runDemoReport(const CommandContext& context, const std::vector<std::string>& args);
int runMakePool(const CommandContext& context, const std::vector<std::string>& args);
int runAddToPool(const CommandContext& context, const std::vector<std::string>& args);
int runAlleleModel(const CommandContext& context, const std::vector<std::string>& args);
int runAnalyze(const CommandContext& context, const std::vector<std::string>& args);
int runPaired(const CommandContext& context, const std::vector<std::string>& args);
int runReload(const CommandContext& context, const std::vector<std::string>& args);
int runReloadSelf(const CommandContext& context, const std::vector<std::string>& args);
int runMerged(const CommandContext& context, const std::vector<std::string>& args);
int runBatchTracks(const CommandContext& context, const std::vector<std::string>& args);
int runBatchSegments(const CommandContext& context, const std::vector<std::string>& args);
int runPurity(const CommandContext& context, const std::vector<std::string>& args);
int runSampleList(const CommandContext& context, const std::vector<std::string>& args);
int runReport(const CommandContext& context, const std::vector<std::string>& args);
int runCohort(const CommandContext& context, const std::vector<std::string>& args);
int runCohortSamples(const CommandContext& context, const std::vector<std::string>& args);
int runProfile(const CommandContext& context, const std::vector<std::string>& args);

} // namespace varn::cli
