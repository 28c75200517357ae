// The engine interface: every window, timing, input, sound and drawing service the game uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#define HGE_VERSION 0x180

using HTEXTURE = uint32_t;  // 0 is "no texture"
using HTARGET = uint32_t;   // 0 is "no target", i.e. the screen
using HEFFECT = uint32_t;   // 0 is a silent effect
using HCHANNEL = uint32_t;

// Blend flags; the game draws everything with BLEND_DEFAULT (2).
enum : int {
  BLEND_COLORMUL = 0,    // vertex colour multiplies the texel
  BLEND_COLORADD = 1,    // vertex colour is added to the texel
  BLEND_ALPHABLEND = 2,  // alpha blending
  BLEND_ALPHAADD = 0,    // (bit 1 clear) additive alpha
  BLEND_ZWRITE = 4,      // depth write (ignored: the game never sets it)
  BLEND_DEFAULT = BLEND_COLORMUL | BLEND_ALPHABLEND,
};

// One vertex of a quad: screen position, depth, ARGB colour, texture coordinates.
struct hgeVertex {
  float x, y, z;
  uint32_t col;
  float tx, ty;
};

// A textured quad, vertices clockwise from the top-left corner.
struct hgeQuad {
  hgeVertex v[4];
  HTEXTURE tex;
  int blend;
};

// Frame and render callbacks; a frame callback returning true stops the loop.
using hgeCallback = bool (*)();

enum hgeBoolState { HGE_WINDOWED, HGE_HIDEMOUSE, HGE_SHOWSPLASH };
enum hgeFuncState { HGE_FRAMEFUNC, HGE_RENDERFUNC, HGE_EXITFUNC, HGE_GFXRESTOREFUNC };
// HGE_SCALE: the window's whole-number scale (0: the largest that fits); HGE_MAXSCALE (read only): the
// largest whole scale at which the screen fits the display.
enum hgeIntState { HGE_SCREENWIDTH, HGE_SCREENHEIGHT, HGE_SCREENBPP, HGE_FPS, HGE_SCALE, HGE_MAXSCALE };
enum hgeStringState { HGE_TITLE, HGE_INIFILE, HGE_LOGFILE };

// Special frame rates for HGE_FPS.
enum : int { HGEFPS_UNLIMITED = 0, HGEFPS_VSYNC = -1 };

// Windows virtual-key codes the game and the input scripts use.
enum : int {
  HGEK_LBUTTON = 0x01,
  HGEK_RBUTTON = 0x02,
  HGEK_MBUTTON = 0x04,
  HGEK_BACKSPACE = 0x08,
  HGEK_TAB = 0x09,
  HGEK_ENTER = 0x0D,
  HGEK_SHIFT = 0x10,
  HGEK_CTRL = 0x11,
  HGEK_ALT = 0x12,
  HGEK_ESCAPE = 0x1B,
  HGEK_SPACE = 0x20,
  HGEK_LEFT = 0x25,
  HGEK_UP = 0x26,
  HGEK_RIGHT = 0x27,
  HGEK_DOWN = 0x28,
  HGEK_0 = 0x30,
  HGEK_1 = 0x31,
  HGEK_2 = 0x32,
  HGEK_3 = 0x33,
  HGEK_4 = 0x34,
  HGEK_A = 0x41,
  HGEK_D = 0x44,
  HGEK_E = 0x45,
  HGEK_M = 0x4D,
  HGEK_S = 0x53,
  HGEK_W = 0x57,
  HGEK_F1 = 0x70,
  HGEK_F2 = 0x71,
  HGEK_F3 = 0x72,
  HGEK_F4 = 0x73,
  HGEK_F11 = 0x7A,
};

// Which backend hgeCreate hands out; chosen once by the program before the first hgeCreate.
enum class hgeBackend { Sdl, Headless };

// How the program runs, set from the command line before the first hgeCreate.
struct hgeRunOptions {
  hgeBackend backend = hgeBackend::Sdl;
  float fixedDelta = 0.01f;  // headless frame time in seconds
  int maxFrames = 0;         // stop after this frame (0: no limit)
  std::string inputScript;   // input events to replay ("" for none)
  std::string recordFile;    // real window: write the input here ("" for none)
  bool seeded = false;       // --seed given: Random_Seed(0) uses `seed` instead of the clock
  unsigned seed = 0;         // the seed (also written into a recording)
  std::vector<std::pair<int, std::string>> shots;  // (frame, PNG file) to write after rendering
  int scale = 0;                                   // window scale (0: the largest that fits)
  bool fullscreen = false;
  std::string windowIcon;  // PNG for the window's icon ("" for none)
};

// The interface object; obtained with hgeCreate and given back with Release (reference counted).
class HGE {
 public:
  // Takes one more reference (hgeCreate does this for its caller).
  virtual void AddRef() = 0;
  // Gives a reference back; the last one destroys the object.
  virtual void Release() = 0;

  virtual bool System_Initiate() = 0;
  virtual void System_Shutdown() = 0;
  virtual bool System_Start() = 0;
  virtual const char* System_GetErrorMessage() = 0;
  virtual void System_Log(const char* format, ...) = 0;

  virtual void System_SetState(hgeBoolState state, bool value) = 0;
  virtual void System_SetState(hgeFuncState state, hgeCallback value) = 0;
  virtual void System_SetState(hgeIntState state, int value) = 0;
  virtual void System_SetState(hgeStringState state, const char* value) = 0;
  virtual bool System_GetState(hgeBoolState state) = 0;
  virtual hgeCallback System_GetState(hgeFuncState state) = 0;
  virtual int System_GetState(hgeIntState state) = 0;
  virtual const char* System_GetState(hgeStringState state) = 0;

  // Whole file into memory (caller frees with Resource_Free); null when missing.
  virtual void* Resource_Load(const char* filename, uint32_t* size = nullptr) = 0;
  virtual void Resource_Free(void* res) = 0;

  // Windows profile semantics: case-insensitive names, leading number of the value, default when absent.
  virtual int Ini_GetInt(const char* section, const char* name, int def) = 0;
  virtual float Ini_GetFloat(const char* section, const char* name, float def) = 0;

  virtual void Random_Seed(int seed = 0) = 0;
  virtual int Random_Int(int min, int max) = 0;
  virtual float Random_Float(float min, float max) = 0;
  // The generator's whole state, and putting a state back (the numbers then go on from there).
  virtual uint64_t Random_GetState() = 0;
  virtual void Random_SetState(uint64_t state) = 0;

  virtual float Timer_GetTime() = 0;
  virtual float Timer_GetDelta() = 0;
  virtual int Timer_GetFPS() = 0;

  // A failed load gives a handle that plays silently.
  virtual HEFFECT Effect_Load(const char* filename, uint32_t size = 0) = 0;
  virtual void Effect_Free(HEFFECT eff) = 0;
  virtual HCHANNEL Effect_Play(HEFFECT eff) = 0;
  virtual HCHANNEL Effect_PlayEx(HEFFECT eff, int volume = 100, int pan = 0, float pitch = 1.0f,
                                 bool loop = false) = 0;
  // Sets the volume (0..100) of the channel an effect plays on (meant for looped effects, which keep theirs).
  virtual void Channel_SetVolume(HCHANNEL chn, int volume) = 0;

  virtual void Input_GetMousePos(float* x, float* y) = 0;
  virtual void Input_SetMousePos(float x, float y) = 0;
  virtual int Input_GetMouseWheel() = 0;
  virtual bool Input_IsMouseOver() = 0;
  virtual bool Input_KeyDown(int key) = 0;
  virtual bool Input_KeyUp(int key) = 0;
  virtual bool Input_GetKeyState(int key) = 0;
  virtual int Input_GetKey() = 0;
  virtual int Input_GetChar() = 0;

  virtual bool Gfx_BeginScene(HTARGET target = 0) = 0;
  virtual void Gfx_EndScene() = 0;
  virtual void Gfx_Clear(uint32_t color) = 0;
  virtual void Gfx_RenderQuad(const hgeQuad* quad) = 0;

  virtual HTARGET Target_Create(int width, int height, bool zbuffer) = 0;
  virtual void Target_Free(HTARGET target) = 0;
  virtual HTEXTURE Target_GetTexture(HTARGET target) = 0;

  // A failed load gives a non-zero handle that draws harmlessly with size 1 x 1.
  virtual HTEXTURE Texture_Load(const char* filename, uint32_t size = 0, bool bMipmap = false) = 0;
  virtual void Texture_Free(HTEXTURE tex) = 0;
  // Size of the texture in memory, or of the image file with bOriginal.
  virtual int Texture_GetWidth(HTEXTURE tex, bool bOriginal = false) = 0;
  virtual int Texture_GetHeight(HTEXTURE tex, bool bOriginal = false) = 0;

  // ---- Platform services beyond the classic engine ----

  // The operating system's modal error box ("Error", error icon); text in Windows-1251.
  virtual void System_ErrorBox(const char* text) = 0;
  // Every error box shown so far, in Windows-1251.
  virtual const std::vector<std::string>& System_ErrorBoxes() = 0;
  // Number of the frame being run, from 1; 0 before the loop starts.
  virtual int System_GetFrame() = 0;
  // Called after every frame has been rendered (dumps and checks hook in here).
  virtual void System_SetAfterFrame(void (*func)(int frame)) = 0;
  // The quads drawn to the screen in the last completed scene (headless records them; SDL may not).
  virtual const std::vector<hgeQuad>& Gfx_GetRecordedQuads() = 0;
  // Number of draw calls handed to the renderer in the last frame.
  virtual int Gfx_GetDrawCalls() = 0;

 protected:
  virtual ~HGE() = default;
};

// Chooses the backend and run options for every later hgeCreate; call before the first one.
void hgeConfigure(const hgeRunOptions& options);

// Hands out the one interface object, taking a reference; null for an unknown version.
HGE* hgeCreate(int ver);

// The program's own reference to the engine: taken by the shell at start-up (tests set it to theirs) and
// used by every part of the game that draws, plays, reads input or logs.
extern HGE* hge;

// Tests: makes hgeCreate hand out `engine` (a fake or a prepared backend); null goes back to normal.
void hgeInstall(HGE* engine);
