// The pictures of the main practice window and how they are drawn: the ground (the
// background stretched over the client area), the picture area (title picture or keyboard
// root map, with the lit keys over the map) and the two root rows with their picture
// sets. Everything is drawn into a device context the window paints into, from what the
// window says it shows; nothing here draws onto the screen itself.
#pragma once

#include "roots/root_drill.h"
#include "win/scoped.h"

#include <windows.h>

#include <array>
#include <vector>

class CPracticePictures {
public:
    static constexpr int kPictureX = 14, kPictureY = 10, kPictureWidth = 762, kPictureHeight = 265;
    static constexpr RECT kPictureArea = {kPictureX, kPictureY, kPictureX + kPictureWidth, kPictureY + kPictureHeight};

    // Loads the pictures kept for the life of the window; the ground is made for the
    // window's client area.
    void Load(HWND window);

    // Client coordinates of the window, clipped to `area`.
    void DrawGround(HDC dc, const RECT& area) const;
    // `pictureMode` 0 the title picture, 1 the keyboard root map with `litKeys` over it.
    void DrawPictureArea(HDC dc, const RECT& area, int edition, int pictureMode, const std::vector<char>& litKeys) const;
    // A root row of `batch` over the ground: the question row, or the answer row blanked
    // by the strip with the roots answered so far.
    void DrawRootRow(HDC dc, const RECT& area, const qope::RootDrill& batch, bool answers) const;
    // The background stretched over `client`, for a minimised window's erase.
    void StretchBackground(HDC dc, const RECT& client) const;

    // Where a lit key and a root cell lie (client pixels).
    static RECT KeyRect(char letter);
    static RECT CellRect(int i, int y);

    // The root pictures of one edition: loaded when a batch of that edition starts (the
    // other edition's set is released), kept across its batches.
    void LoadRootPictures(int edition);
    void ReleaseRootPictures();
    bool RootPicturesLoaded(int edition) const { return RootSet(edition).loaded; }

private:
    struct RootPictureSet {
        std::vector<win::ScopedBitmap> roots;  // by catalogue index
        win::ScopedBitmap strip;
        bool loaded = false;
        void Release();
    };
    RootPictureSet& RootSet(int edition) { return edition == 86 ? m_roots86 : m_roots98; }
    const RootPictureSet& RootSet(int edition) const { return edition == 86 ? m_roots86 : m_roots98; }

    win::ScopedBitmap m_bmpBackground;
    win::ScopedBitmap m_bmpGround;  // the background stretched over the client area
    win::ScopedBitmap m_bmpKeyMap86, m_bmpKeyMap98;
    win::ScopedBitmap m_bmpTitle86, m_bmpTitle98;
    std::array<win::ScopedBitmap, 25> m_bmpKeys86, m_bmpKeys98;  // by letter a-y
    RootPictureSet m_roots86, m_roots98;
};
