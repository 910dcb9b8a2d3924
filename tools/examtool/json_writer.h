#pragma once

// Writes one JSON document into a string. A container opened with the block layout puts each
// member on a line of its own, indented by two spaces a level; one opened inline keeps all its
// members on one line, and so does everything nested in it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace examtool {

enum class EJsonLayout { Block, Inline };

class TJsonWriter {
public:
    void BeginObject(EJsonLayout layout = EJsonLayout::Block);
    void EndObject();
    void BeginArray(EJsonLayout layout = EJsonLayout::Block);
    void EndArray();

    // The name of the next object member; the value written next belongs to it.
    void Key(std::string_view utf8);
    void Number(std::int64_t value);
    // A string from UTF-8 text; quotes, backslashes and control characters are escaped.
    void String(std::string_view utf8);

    // The document written so far, with a final line end.
    std::string Finish() const { return Text + "\n"; }

private:
    struct TContainer {
        bool Inline = false;
        bool Empty = true;
    };

    void Begin(char bracket, EJsonLayout layout);
    void End(char bracket);
    // Writes what separates the next member or value from the one before it.
    void Separate();
    void Indent(std::size_t depth);
    void Quote(std::string_view utf8);

    std::string Text;
    std::vector<TContainer> Open;
    bool AfterKey = false;
};

}  // namespace examtool
