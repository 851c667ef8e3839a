// SPDX-License-Identifier: MIT
#include "app/copy_actions.h"

#include "app/busy_scope.h"
#include "app/pic_form.h"
#include "core/graph/normo_bp.h"
#include "core/stats/data.h"
#include "core/stats/figures_table.h"
#include "core/util/error_text.h"
#include "platform/canvas/page_region.h"
#include "platform/desktop/clipboard.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

constexpr auto kCopyTitle = "コピー";

bool putPicture(Result<PagePicture> picture, const AppServices& services)
{
    if (!picture) {
        services.messages.show("コピーできません: " + errorText(picture.error()), kCopyTitle, MessageButtons::Ok,
                               MessageIcon::Exclamation);
        return false;
    }
    services.clipboard.setPicture(std::move(picture.value().png), std::move(picture.value().svg));
    return true;
}

}  // namespace

CopyActions::CopyActions(const AppServices& services) : services_(services) {}

bool CopyActions::copyGraph(const PicForm& form, std::int32_t number)
{
    if (form.sheet().graph(number) == nullptr) {
        return false;
    }
    BusyScope busy;
    return putPicture(pagePicture(form.sheet(), graphRegion(form.sheet(), number)), services_);
}

bool CopyActions::copyFigures(const PicForm& form, std::int32_t number)
{
    const NormoBp* graph = form.sheet().graph(number);
    if (graph == nullptr) {
        return false;
    }
    static const Data none;
    services_.clipboard.setText(figuresTable(graph->dataIfAny() != nullptr ? *graph->dataIfAny() : none));
    return true;
}

bool CopyActions::copyPage(const PicForm& form)
{
    BusyScope busy;
    return putPicture(pagePicture(form.sheet()), services_);
}

}  // namespace probel
