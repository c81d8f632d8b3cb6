#include "tolm/gfx/CFrameSound.h"

#include "tolm/gfx/CFrameFactory.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/xml/CXmlFileSys.h"

namespace tolm {
namespace {

// A quote would end the command's parameter early and let the rest of the name run as
// commands; a line break would end the command line.
bool IsSafeSoundFile(const std::string& name) {
    for (char c : name) {
        if (c == '"' || c == '\n' || c == '\r') return false;
    }
    return true;
}

}  // namespace

std::string CFrameSound::MakeCommand(const std::string& soundFile) {
    return "Audio::PlayEffect( \"" + soundFile + "\" );";
}

bool CFrameSound::SetSoundFile(const std::string& soundFile) {
    if (!IsSafeSoundFile(soundFile)) {
        Logger().Warning() << "[WARNING] CFrameSound - refused the sound file name " << soundFile
                           << " : it holds a quote or a line break\n";
        mySoundFile.clear();
        return false;
    }
    mySoundFile = soundFile;
    return true;
}

bool CFrameSound::Update(CSprite*, types::ticks) {
    if (!mySoundFile.empty()) GetConsole()->Execute(MakeCommand(mySoundFile));
    return true;
}

types::ticks CFrameSound::GetLength() const {
    return myWrapped ? myWrapped->GetLength() : 0;
}

types::ticks CFrameSound::GetUpdateInterval() const {
    return myWrapped ? myWrapped->GetUpdateInterval() : GetLength();
}

void CFrameSound::Serialize(CXmlFileSys* filesys) {
    filesys->SetFile(__FILE__);
    if (filesys->IsWriting()) {
        filesys->AddAttribute("type", CFrameFactory::GetTypeName(GetType()));
        filesys->AddAttribute("sound_file", mySoundFile);
        return;
    }
    const CXmlNode* element = filesys->GetCurrentNode();
    if (element->HasAttribute("sound_file")) {
        SetSoundFile(element->GetAttribute("sound_file").GetString());
    }
}

}  // namespace tolm
