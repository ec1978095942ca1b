// Reading a rod panel's boxes and class combo, and writing its result boxes.
#pragma once

#include <QString>
#include <optional>

namespace services { class Form; }

namespace rods {

// The number in a text box (the locale-aware conversion), or nothing when the box is missing or
// its text is not numeric.
std::optional<double> boxNumber(services::Form& form, const QString& name, std::optional<int> index);

// Hr from the text of comClass(comboIndex); nothing when the text is none of the three classes.
std::optional<double> classSphereRadius(services::Form& form, int comboIndex);

// Writes value with the result format "0.000" into a result box.
void showResult(services::Form& form, const QString& name, std::optional<int> index, double value);

// Focuses a box and selects its whole text, then shows the message: how a refused value is told.
void refuse(services::Form& form, const QString& name, std::optional<int> index, const QString& message);

// The warning for a rod taller than Hr: prefix, Hr as plain decimal text, "米部分无效!".
QString tallerRodWarning(const QString& prefix, double sphereRadius);

} // namespace rods
