// The console commands of recording and replay: record("file"), stoprecord,
// replay("file" [, "live"] [, "force"]) and timedemo("file" [, "force"]). A recording
// started by the start-up script begins at once; any other start needs a fresh run, which
// they ask the process entry for (the loop ends and the program starts again with the
// matching option). The console owns the command objects; they refer to the CDemo, which
// outlives the console.
#ifndef TOLM_TASKS_DEMO_CDEMOCOMMAND_H
#define TOLM_TASKS_DEMO_CDEMOCOMMAND_H

#include <string>

#include "tolm/tasks/CCommand.h"

namespace tolm {

class CConsole;
class CDemo;

class CDemoCommand : public CCommand {
public:
    enum EKind { kRecord, kStopRecord, kReplay, kTimedemo };

    CDemoCommand(EKind kind, CDemo& demo) : myKind(kind), myDemo(demo) {}

    std::string Execute(CParameterList& parameters) override;
    std::string Execute() override;

    static void AddAll(CConsole& console, CDemo& demo);

private:
    std::string Record(const std::string& fileName);
    std::string Replay(const std::string& fileName, CParameterList& parameters);

    EKind myKind;
    CDemo& myDemo;
};

}  // namespace tolm

#endif
