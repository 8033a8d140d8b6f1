#pragma once

// Operations that change the objects of the current scene, as the menus, the objects window and
// the 3D view call them. Each returns whether it acted: at its limits an operation refuses
// silently and changes nothing. Every operation that acts takes an undo snapshot.
//
// Inserting or removing a slot in the middle renumbers the controlObject references of the
// scene, so that controlled objects keep their control object.

#include "scene/project.hpp"

namespace tess {

// A new object of type t after the current one; it keeps the previous object's texture and clone
// settings. Refused at 255 objects.
bool createObject(Project& project, int type);
// A duplicate (modifiers and clone settings included) after the current object.
bool copyObject(Project& project);
// A duplicate of the current object at the end; nothing is renumbered.
bool appendCopy(Project& project);
// Removes the current object; refused when it is the last one. Applies the autofocus.
bool deleteObject(Project& project);

// "up" / "down": exchange the current object and its modifier list with the next / previous
// slot. Clone settings stay in place and control references are not renumbered.
bool moveObjectUp(Project& project);
bool moveObjectDown(Project& project);

// Appends a copy of the current object's control object and of every object it controls, the
// copied members controlled by the copied control object. Only for a controlled object.
bool cloneGroup(Project& project);
// Every object controlled by the current object's control object becomes uncontrolled.
bool ungroup(Project& project);

// "Set control object": the next pick names the current object's control object.
void armControlPick(SceneStore& store);
// A pick in the 3D view of object v: with the pick armed, v controls the current object in its
// local coordinates (and the pick disarms); otherwise v becomes current.
bool pickObject(Project& project, int picked);
bool resetControlObject(Project& project);
// "locCS" adds the control object's position and sets controlMode 1; "glCS" subtracts it and sets
// controlMode 2. Neither looks at the previous mode.
bool toLocalCoordinates(Project& project);
bool toGlobalCoordinates(Project& project);

// "<" and ">": the neighbouring object becomes current, with its last modifier; autofocus.
bool previousObject(Project& project);
bool nextObject(Project& project);

// The current object's material becomes currentMaterial and its texture the current texture;
// false without a current object.
bool showMaterialAndTexture(Project& project);
// The same while textureMaterialAutofocus is on.
void applyTextureMaterialAutofocus(Project& project);

// The objects window's edits, stored with the field's width (16-bit fields keep the low 16 bits,
// 8-bit fields the low 8). Position takes a snapshot before and after, the others before.
bool applyPosition(Project& project, int x, int y, int z);
bool applyGrid(Project& project, int segU, int segV);
bool applySize(Project& project, int size);  // the axis of sizeAxis: 0 x, 1 y, 2 z, 3 all
bool applyMosaic(Project& project, int mosaic1, int mosaic2);

}  // namespace tess
