#include "app/PracticePictures.h"

#include "app/PracticeDlgRes.h"
#include "drill/key_hint.h"
#include "roots/root_catalogue.h"
#include "win/back_buffer.h"
#include "win/gdi.h"

namespace {

constexpr int kKeyPictureSize = 70;
using Rows = qope::RootRowLayout;

}  // namespace

void CPracticePictures::Load(HWND window) {
    m_bmpBackground = win::LoadBitmapResource(IDB_BACKGROUND);
    // The background stretched once over the client area: the window and the display
    // lines over which root rows lie copy their ground from it.
    RECT client{};
    ::GetClientRect(window, &client);
    m_bmpGround = win::StretchedCopy(m_bmpBackground.Get(), SIZE{client.right, client.bottom});
    m_bmpKeyMap86 = win::LoadBitmapResource(IDB_KEYMAP86);
    m_bmpKeyMap98 = win::LoadBitmapResource(IDB_KEYMAP98);
    m_bmpTitle86 = win::LoadBitmapResource(IDB_TITLE86);
    m_bmpTitle98 = win::LoadBitmapResource(IDB_TITLE98);
    for (char letter = 'a'; letter <= 'y'; ++letter) {
        if (const qope::KeyPicture* key = qope::FindKeyPicture(letter)) {
            m_bmpKeys86[size_t(letter - 'a')] = win::LoadBitmapResource(key->id86);
            m_bmpKeys98[size_t(letter - 'a')] = win::LoadBitmapResource(key->id98);
        }
    }
}

RECT CPracticePictures::KeyRect(char letter) {
    const qope::KeyPicture* key = qope::FindKeyPicture(letter);
    if (!key) return RECT{};
    return RECT{key->x, key->y, key->x + kKeyPictureSize, key->y + kKeyPictureSize};
}

RECT CPracticePictures::CellRect(int i, int y) {
    return RECT{Rows::CellX(i), y, Rows::CellX(i) + Rows::kCell, y + Rows::kCell};
}

void CPracticePictures::DrawGround(HDC dc, const RECT& area) const {
    if (!m_bmpGround) return;
    win::ScopedMemoryDC memory(::CreateCompatibleDC(dc));
    win::SelectScope select(memory.Get(), m_bmpGround.Get());
    ::BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.Get(), area.left,
             area.top, SRCCOPY);
}

void CPracticePictures::StretchBackground(HDC dc, const RECT& client) const {
    win::StretchBitmap(dc, client, m_bmpBackground.Get());
}

void CPracticePictures::DrawPictureArea(HDC dc, const RECT& area, int edition, int pictureMode,
                                        const std::vector<char>& litKeys) const {
    if (!win::Overlap(area, kPictureArea)) return;
    const bool is86 = edition == 86;
    win::BitmapCopier copier(dc);
    const HBITMAP picture = pictureMode == 0 ? (is86 ? m_bmpTitle86 : m_bmpTitle98).Get()
                                             : (is86 ? m_bmpKeyMap86 : m_bmpKeyMap98).Get();
    copier.Copy(kPictureX, kPictureY, picture, kPictureWidth, kPictureHeight);
    const auto& keys = is86 ? m_bmpKeys86 : m_bmpKeys98;
    for (char letter : litKeys) {
        const RECT rect = KeyRect(letter);
        if (win::Overlap(area, rect))
            copier.Copy(rect.left, rect.top, keys[size_t(letter - 'a')].Get(), kKeyPictureSize, kKeyPictureSize);
    }
}

void CPracticePictures::DrawRootRow(HDC dc, const RECT& area, const qope::RootDrill& batch, bool answers) const {
    DrawGround(dc, area);
    const RootPictureSet& set = RootSet(batch.Edition());
    const std::vector<int>& row = batch.Row();
    win::BitmapCopier copier(dc);
    const int y = answers ? Rows::kAnswerY : Rows::kQuestionY;
    if (answers) copier.Copy(Rows::kRowX, y, set.strip.Get(), Rows::kStripWidth, Rows::kCell);
    const int shown = answers ? batch.Answered() : static_cast<int>(row.size());
    for (int i = 0; i < shown && i < static_cast<int>(row.size()); ++i) {
        const int index = row[size_t(i)];
        if (index < 0 || index >= static_cast<int>(set.roots.size())) continue;
        if (win::Overlap(area, CellRect(i, y)))
            copier.Copy(Rows::CellX(i), y, set.roots[size_t(index)].Get(), Rows::kCell, Rows::kCell);
    }
}

void CPracticePictures::RootPictureSet::Release() {
    roots.clear();
    strip.Reset();
    loaded = false;
}

void CPracticePictures::ReleaseRootPictures() {
    m_roots86.Release();
    m_roots98.Release();
}

void CPracticePictures::LoadRootPictures(int edition) {
    RootSet(edition == 86 ? 98 : 86).Release();
    RootPictureSet& set = RootSet(edition);
    if (set.loaded) return;
    const int count = qope::RootCount(edition);
    set.roots.clear();
    set.roots.reserve(size_t(count));
    for (int index = 0; index < count; ++index)
        set.roots.push_back(win::LoadBitmapResource(qope::RootPictureId(edition, index)));
    set.strip = win::LoadBitmapResource(IDB_ANSWER_STRIP);
    set.loaded = true;
}
