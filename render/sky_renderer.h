// Draws the sky into whatever GL context is current: the display lists and
// textures of the scene, the camera, and the fixed order of layers.
#pragma once

#include <vector>

#include "render/gl.h"
#include "render/label_space.h"
#include "render/sprite_batch.h"
#include "sky/pick_walk.h"
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
  // client point x, y (y downwards) and returns the hits in the order their
  // layers were drawn (at most 16), each with the distance from the point to
  // the middle of the object's mark.
  std::vector<sky::PickHit> SelectionPass(int x, int y);

  // Device pixels per logical pixel of the window: star sizes, line widths,
  // symbols and label offsets are scaled by it, as the fonts are.
  void SetDeviceRatio(double ratio) { deviceRatio_ = ratio > 0 ? ratio : 1.0; }
  double DeviceRatio() const { return deviceRatio_; }

  // What the layers share within one frame: the star sprites' arrays (kept
  // from frame to frame), the program's own star textures, and the places
  // taken by the labels drawn so far.
  render::CSpriteBatch& StarSprites() { return starSprites_; }
  render::CSpriteBatch& StarDiscs() { return starDiscs_; }
  render::CSpriteBatch& StarGlows() { return starGlows_; }
  // The texture of a slot of CSkyDoc::TextureNames, its picture read on
  // first use: a frame that does not draw it never pays for it.
  GLuint Texture(int slot);
  GLuint DiscTexture() const { return discTexture_; }
  GLuint GlowTexture() const { return glowTexture_; }
  render::CLabelSpace& Labels() { return labels_; }
  // The names of the Sun, the Moon and the planets, placed at the start of
  // the frame so that they keep their room.
  std::vector<render::PlacedLabel>& PlanetLabels() { return planetLabels_; }
  // The proper names of the stars, placed next.
  std::vector<render::PlacedLabel>& StarLabels() { return starLabels_; }

 private:
  // The sky's display lists, which hold the drawing points of the moment.
  void BuildSkyLists();
  // Compiles them again when the refraction has moved their points since.
  void RefreshSkyLists();
  // Turns the sphere so that the view shows the camera's direction; in
  // horizon mode the zenith ends up on +Y.
  void ApplyCamera() const;
  // How far GL window point x, y lies from the middle of the drawn mark of
  // the object of selection name `name` (0 for a line).
  double MarkDistance(unsigned name, double x, double y) const;

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  bool listsBuilt_ = false;
  bool listsRefracted_ = false;  // whether the sky lists hold apparent places,
  double listsZenith_[3] = {};   // for this zenith
  int listsCatalogue_ = -1;      // and CatalogueMotion's generation
  double deviceRatio_ = 1.0;
  double pickX_ = 0, pickY_ = 0;  // the point of the selection pass running, y upwards
  render::CSpriteBatch starSprites_, starDiscs_, starGlows_;
  GLuint discTexture_ = 0, glowTexture_ = 0;
  bool texturePending_[8] = {};  // named, its picture not read yet
  render::CLabelSpace labels_;
  std::vector<render::PlacedLabel> planetLabels_, starLabels_;
};
