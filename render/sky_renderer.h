// Draws the sky into whatever GL context is current: the display lists and
// textures of the scene, the camera, and the fixed order of layers.
#pragma once

#include <future>
#include <map>
#include <vector>

#include "render/display_list_ids.h"
#include "render/gl.h"
#include "render/label_space.h"
#include "render/sky_primitives.h"
#include "render/sprite_batch.h"
#include "render/textures.h"
#include "sky/pick_walk.h"
#include "sky/sky_doc.h"

class CMessenger;

class CSkyRenderer : public CSkyScene {
 public:
  // Frames write their matrices into `view`, the geometry of the surface
  // they are drawn on, and picking and the layers read them there.
  CSkyRenderer(CSkyDoc& doc, sky::ViewGeometry& view, CMessenger& messages);

  // The scene, made once per GL context with it current: the view's and an
  // offscreen canvas's each get their own.
  bool DisplayListsBuilt() const override;
  void BuildDisplayLists() override;
  void LoadTextures() override;
  void SetFixedState() override;

  // The orthographic sky projection for a w x h window at `zoom`.
  void SetSkyProjection(int width, int height, double zoom);
  // Window pixels, for bitmap text and sprites.
  void SetPixelProjection(int width, int height);

  // Draws one frame at `zoom`: the camera, then every layer whose switch is
  // on, in the order of render/sky_layers.h.
  void ComposeFrame(double zoom);

  // Draws the frame at `zoom` in GL selection mode through a 5 x 5 pixel
  // window around client point x, y (y downwards) and returns the hits in
  // the order their layers were drawn (at most 16), each with the distance
  // from the point to the middle of the object's mark.
  std::vector<sky::PickHit> SelectionPass(int x, int y, double zoom);

  // Forgets the scene of the current context, which is about to go.
  void ReleaseContext();

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
  // The texture of a slot (render/display_list_ids.h) in the current
  // context, its picture read on first use: a frame that does not draw it
  // never pays for it.
  GLuint Texture(int slot);
  // Starts reading the pictures that the first frame of the present
  // settings draws, in a thread of its own, while the window comes up;
  // Texture takes them from there. What that frame does not draw is let go.
  void ReadFirstPictures();
  // The name of a slot's texture in the current context, its picture not
  // read: a picture put there first is the one drawn.
  GLuint TextureName(int slot) { return Scene().Textures[slot]; }
  GLuint DiscTexture() { return Scene().DiscTexture; }
  GLuint GlowTexture() { return Scene().GlowTexture; }
  render::CLabelSpace& Labels() { return labels_; }
  // The letters of the compass points, placed at the start of the frame so
  // that they keep their room.
  std::vector<render::PlacedLabel>& CompassLabels() { return compassLabels_; }
  // The names of the Sun, the Moon and the planets, placed after them.
  std::vector<render::PlacedLabel>& PlanetLabels() { return planetLabels_; }
  // The proper names of the stars, placed after them.
  std::vector<render::PlacedLabel>& StarLabels() { return starLabels_; }

 private:
  // What one of the sky's lists holds: the places of the moment it was compiled.
  struct SkyListPlaces {
    bool Built = false;
    bool Refracted = false;  // whether it holds apparent places,
    double Zenith[3] = {};   // for this zenith
    int Catalogue = -1;      // and CatalogueMotion's generation
  };
  static constexpr int kSkyListCount = 5;
  // What is made in a GL context for the sky: the display lists, the places
  // the sky's lists hold, and the textures.
  struct ContextScene {
    bool ListsBuilt = false;
    SkyListPlaces SkyLists[kSkyListCount];
    GLuint Textures[render::kTextureSlotCount] = {};
    bool TexturePending[render::kTextureSlotCount] = {};  // named, its picture not read yet
    GLuint DiscTexture = 0, GlowTexture = 0;
  };
  // The scene of the current context.
  ContextScene& Scene();

  // Compiles the sky's display lists, which hold the drawing points of the
  // moment, that a shown layer draws and that the refraction or the
  // catalogue's motion has moved since they were compiled. A list of a
  // layer switched off waits until the layer is shown.
  void RefreshSkyLists();
  // One pass over the layers: a frame, or with `picking` the selection pass
  // round GL window point pickX, pickY (only the layers that carry
  // selection names run, and the stored matrices are left alone).
  void ComposePass(double zoom, bool picking, double pickX, double pickY);
  // Turns the sphere so that the view shows the camera's direction; in
  // horizon mode the zenith ends up on +Y.
  void ApplyCamera() const;
  // How far GL window point x, y lies from the middle of the drawn mark of
  // the object of selection name `name` (0 for a line).
  double MarkDistance(unsigned name, double x, double y) const;

  // The document, for the sky's conditions of the frame; the layers get it const.
  CSkyDoc& doc_;
  sky::ViewGeometry& view_;
  CMessenger& messages_;
  std::map<const void*, ContextScene> scenes_;  // by context
  // The first frame's pictures, by slot: being read, then read.
  using Pictures = std::map<int, render::DecodedTexture>;
  std::future<Pictures> firstPicturesReading_;
  Pictures firstPictures_;
  double deviceRatio_ = 1.0;
  render::CSpriteBatch starSprites_, starDiscs_, starGlows_;
  render::CLabelSpace labels_;
  std::vector<render::PlacedLabel> compassLabels_, planetLabels_, starLabels_;
  // The layers described by primitives, by their row of the layer table:
  // what they describe for the frame, and where their names took their room.
  struct DescribedLayer {
    render::SkyPrimitives Primitives;
    std::vector<render::PlacedLabel> Placed;
  };
  std::vector<DescribedLayer> described_;
  // The described layers' discs under the pointer in the last selection pass.
  std::vector<sky::PickHit> discHits_;
  // How far from the pointer a disc is picked: the half of the 5 x 5 pick window.
  static constexpr double kPickReach = 2.5;
};
