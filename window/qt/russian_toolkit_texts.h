#pragma once

class QApplication;
class QTranslator;

namespace exam {

// Makes the toolkit's own texts a candidate can meet (the answer box's context menu) Russian,
// whatever the machine's locale; false when the toolkit's Russian translations are missing.
bool LoadRussianToolkitTexts(QApplication& app, QTranslator& translator);

}  // namespace exam
