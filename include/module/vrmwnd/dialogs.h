// Os diálogos do módulo: a chave de documento, a janela de progresso, a cotação pela web,
// a mensagem com grade, a base dos diálogos redimensionáveis, o orçado e realizado,
// as seleções múltiplas de CFOPs e de contas, os históricos desativados nos
// lançamentos, as deduções da base de um imposto retido e o lado do chamador dos
// títulos das retenções.
#pragma once

#include "vrmwnd/dialogs/CDlgChave.h"
#include "vrmwnd/dialogs/CCMProgressoDlg.h"
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"
#include "vrmwnd/dialogs/CDlgMsgCm.h"
#include "vrmwnd/dialogs/CCMResizeDialog.h"
#include "vrmwnd/dialogs/CDlgControleOrcamentario.h"
#include "vrmwnd/dialogs/CDlgMultiSelecao.h"
#include "vrmwnd/dialogs/CHistoricosDesativados.h"
#include "vrmwnd/dialogs/CDlgDeducao.h"
#include "vrmwnd/dialogs/CDlgTitulos.h"
