// Draws the sky into whatever GL context is current: the display lists and
// textures of the scene, the camera, and the fixed order of layers.
#pragma once

#include <vector>

#include "sky/sky_doc.h"

class CMessenger;
class CSkyView;

class CSkyRenderer : public CSkyScene {
 public:
  CSkyRenderer(CSkyDoc& doc, CSkyView& view, CMessenger& messages);

  // The scene, made once per context with it current.
  bool DisplayListsBuilt() const override { return listsBuilt_; }
  void BuildDisplayLists() override;
  void LoadTextures() override;
  void SetFixedState() override;

  // The orthographic sky projection for a w x h window at the view's zoom.
  void SetSkyProjection(int width, int height);
  // Window pixels, for bitmap text and sprites.
  void SetPixelProjection(int width, int height);

  // Draws one frame: the camera, then every layer whose switch is on, in
  // their fixed order. In a selection pass only the layers that carry
  // selection names run, and the stored matrices are left alone.
  void ComposeFrame();

  // Draws the frame in GL selection mode through a 5 x 5 pixel window around
  // client point x, y (y downwards) and returns the names of the hits in the
  // order their layers were drawn (at most 16).
  std::vector<unsigned> SelectionPass(int x, int y);

 private:
  // The sky's display lists, which hold the drawing points of the moment.
  void BuildSkyLists();
  // Compiles them again when the refraction has moved their points since.
  void RefreshSkyLists();
  // Turns the sphere so that the view shows the camera's direction; in
  // horizon mode the zenith ends up on +Y.
  void ApplyCamera() const;

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  bool listsBuilt_ = false;
  bool listsRefracted_ = false;  // whether the sky lists hold apparent places,
  double listsZenith_[3] = {};   // for this zenith
};
