#include "ControlName.h"

#include "NumberWord.h"
#include "ScriptWords.h"

CControlName ParseControlName(const std::string& text)
{
    CControlName control;
    if (text == "window") {
        control.isWindow = true;
        return control;
    }
    std::string rest = text;
    const std::string pagePrefix = "page:";
    if (rest.compare(0, pagePrefix.size(), pagePrefix) == 0) {
        control.inPage = true;
        rest.erase(0, pagePrefix.size());
    }
    const size_t at = rest.find('@');
    if (at != std::string::npos) {
        control.className = rest.substr(at + 1);
        rest.erase(at);
        if (control.className.empty())
            throw CScriptError("\"" + text + "\": a window class must follow the @");
    }
    const long id = ParseNumberWord(rest, 0, 65535);
    if (id < 0)
        throw CScriptError("\"" + text + "\" names no control: write an id (0..65535), page:ID, ID@CLASS or window");
    control.id = static_cast<int>(id);
    return control;
}

std::string CControlName::Describe() const
{
    if (isWindow)
        return "the window";
    std::string text = "control " + std::to_string(id);
    if (!className.empty())
        text += " of class " + className;
    if (inPage)
        text += " on the shown page";
    return text;
}
