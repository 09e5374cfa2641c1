#include "CAverage.h"

#include "document/UserInterface.h"
#include "engine/signal/MovingAverage.h"

#include <cctype>
#include <climits>
#include <cstdlib>

namespace varn {

namespace {

// An integer with optional blanks around it and an optional sign, as the framework's integer
// exchange accepts; false for anything else, including an empty edit.
bool parseInteger(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const std::size_t signAt = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digitsAt = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == digitsAt) return false;
    const std::size_t digitsEnd = i;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i != text.size()) return false;
    const long long parsed = std::strtoll(text.substr(signAt, digitsEnd - signAt).c_str(), nullptr, 10);
    if (digitsEnd - digitsAt > 11 || parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

void CAverage::onInitDialog() {
    trimExtremes = 1;
    drawMethod = 2;
    averageText = std::to_string(averageNumber);
    initialText = averageText;
}

bool CAverage::onOk(UserInterface& ui) {
    if (trimExtremes != 1 && trimExtremes != 2) {
        ui.messageBox("Select Averaging Mode");
        return false;
    }
    if (drawMethod != 1 && drawMethod != 2) {
        ui.messageBox("Select Draw Mode");
        return false;
    }
    int value = averageNumber;
    if (averageText != initialText && !parseInteger(averageText, value)) {
        ui.messageBox("Please enter an integer.");
        return false;
    }
    if (value < 1 || value > kMaxAverageNumber) {
        ui.messageBox("Please enter an integer between 1 and 10.");
        return false;
    }
    averageNumber = value;
    return true;
}

} // namespace varn
