// Os diálogos do módulo: a chave de documento, a janela de progresso, a cotação pela web,
// a mensagem com grade, a base dos diálogos redimensionáveis, as deduções da base de
// um imposto retido e o lado do chamador dos títulos das retenções.
#pragma once

#include "vrmwnd/dialogs/CDlgChave.h"
#include "vrmwnd/dialogs/CCMProgressoDlg.h"
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"
#include "vrmwnd/dialogs/CDlgMsgCm.h"
#include "vrmwnd/dialogs/CCMResizeDialog.h"
#include "vrmwnd/dialogs/CDlgDeducao.h"
#include "vrmwnd/dialogs/CDlgTitulos.h"
