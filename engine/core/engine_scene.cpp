// EngineBase: scenes, with quads batched per texture and blend mode and the screen's quads recorded.
#include "engine/core/engine_base.h"

bool EngineBase::Gfx_BeginScene(HTARGET target) {
  if (inScene || !SceneBegin(target)) return false;
  inScene = true;
  sceneTarget = target;
  if (target == 0) sceneQuads.clear();
  return true;
}

void EngineBase::Gfx_EndScene() {
  if (!inScene) return;
  Flush();
  if (sceneTarget == 0) recordedQuads.swap(sceneQuads);
  inScene = false;
  SceneEnd(sceneTarget);
}

void EngineBase::Gfx_Clear(uint32_t color) {
  if (!inScene) return;
  Flush();
  SceneClear(color);
}

void EngineBase::Gfx_RenderQuad(const hgeQuad* quad) {
  if (!inScene || quad == nullptr) return;
  if (!batch.empty() && (quad->tex != batchTex || quad->blend != batchBlend)) Flush();
  batchTex = quad->tex;
  batchBlend = quad->blend;
  batch.push_back(*quad);
  if (sceneTarget == 0) sceneQuads.push_back(*quad);
}

void EngineBase::Flush() {
  if (batch.empty()) return;
  ++frameDrawCalls;
  DrawBatch(batchTex, batchBlend, batch);
  batch.clear();
}
