// Every process-wide service of the engine and the game, each reached the same way: a free
// function that returns a reference. The accessor creates the service on first use (so that
// a tool or a test may reach one alone), but the program does not rely on that: CEngineServices
// (owned by CApplication) creates the engine's services in the order below and destroys them
// in the reverse order. Only declarations here, so that every floor may include this header.
#ifndef TOLM_SERVICES_H
#define TOLM_SERVICES_H

namespace tolm {

class CLogger;
class CEventManager;
class CTaskScheduler;
class CTaskFactory;
class CCommandNamespaces;
class CConsole;
class CMouse;
class CSpriteFactory;
class CFrameFactory;
class CAnimationManager;
class CTextureManager;
class CScreenLayer;
class CSlotRegistry;
class CSSObjectRegistry;
class CPlayerSettings;
namespace ui {
class CWidgetFactory;
class CDragTracker;
class CDesktopWidget;
}  // namespace ui

// Created and destroyed by CEngineServices, in this order (destroyed from the bottom up).

// The log: "log.txt" and any listener. First in, last out, so that everything may log.
CLogger& Logger();
// Fans window and input events out to their listeners; the event task feeds it.
CEventManager& EventManager();
// The named command tables that consoles attach to (the "basic" commands among them).
CCommandNamespaces& CommandNamespaces();
// The process-wide console that runs "autoexec.txt" and routes `Task::Command` lines.
CConsole& Console();
// Makes tasks by type name and owns them; a new one registers the built-in types that
// CTaskRegistrar declared. Created here but left to process exit, with its tasks.
CTaskFactory& TaskFactory();
// The main loop's task lists; it attaches its own activity handler to the event manager.
CTaskScheduler& Scheduler();
// The mouse device; CEngineServices attaches it to the event manager and detaches it.
CMouse& Mouse();
// Makes sprites by description type and loads sprite files.
CSpriteFactory& SpriteFactory();
// Makes animation frames by type.
CFrameFactory& FrameFactory();
// Advances every playing animated sprite on the graphics task's clock.
CAnimationManager& AnimationManager();
namespace ui {
// Makes widgets by class name.
CWidgetFactory& WidgetFactory();
// The button being dragged.
CDragTracker& DragTracker();
}  // namespace ui

// Services whose lifetime another owner decides.

// The layer drawn onto the screen: created on first use while the graphics task runs, deleted
// when the graphics task stops (CScreenLayer::Delete).
CScreenLayer& ScreenLayer();
// Shares loaded pictures by file name: created on first use by the SDL graphics factory,
// left to process exit (its pictures belong to SDL's video, which may be gone before).
CTextureManager& TextureManager();
// Named slot factories, filled by static initialisers (plain table entries); lives until
// process exit so that every registration made before main stays.
CSlotRegistry& SlotRegistry();
// The live named signal/slot objects: made by the first object, deleted with the last.
CSSObjectRegistry& ObjectRegistry();
// The player's settings ("settings.xml"): created on first use, opened by the program's entry
// before the application starts (tests and tools never open it), left to process exit.
CPlayerSettings& PlayerSettings();
namespace ui {
// The root widget: created on first use, sized to the window as it is then, never deleted
// (it owns the widgets of the tasks, which are left to process exit too).
CDesktopWidget& Desktop();
}  // namespace ui

// Private to their modules, reached only through their module's functions: the media
// guard's refusal record (utils/media/MediaGuard), the audio task's effect and music
// registries (task_sdl_mixer), the task library table (CTaskLibraries), the self-check list
// (CSelfChecks), the graphics facade's factory and screen (Gfx, installed by the graphics
// task) and the system time source (SystemTime).

}  // namespace tolm

namespace game {

class CLevelSettings;
class CLevelProgress;
class CSavedProgress;

// The game's two plain values, created with their defaults on first use by the game's code
// and never wired to anything: the current level's settings, and which level the player
// reached with the score and approach carried over.
CLevelSettings& LevelSettings();
CLevelProgress& LevelProgress();
// The player's progress kept between runs ("progress.xml"): created on first use, opened by
// the game task before it builds the game, left to process exit.
CSavedProgress& SavedProgress();

}  // namespace game

#endif
