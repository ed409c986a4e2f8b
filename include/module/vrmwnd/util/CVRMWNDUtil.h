// Utilitários estáticos das telas do módulo (CVRMWNDUtil): cores, atualização de
// grade mantendo o registro corrente, a linha de um registro sob ordenação, foco
// pelo gerenciador de diálogo, apresentação de um resultado de consistência que
// aponta a pasta e a linha da grade, e o log de transações de um documento.
#pragma once

#include "vrmwnd/base/REG_QZDMC.h"
#include "vrmwnd/platform/afxwin.h"
#include "vrmwnd/suite/registros/TQZCMConsisteRetorno.h"
#include "vrmwnd/util/exporta.h"

class CQZGrid;
class CQZBrowserWnd;

class VRMWND_API CVRMWNDUtil {
 public:
  // COLORREF, 0x00BBGGRR. COR_MARROM é 135, 135, 0 (oliva), como sempre foi.
  static const int COR_VERDE = 0x0000FF00;
  static const int COR_VERDE_MEDIO = 0x00008000;
  static const int COR_VERMELHO = 0x000000FF;
  static const int COR_AZUL = 0x00FF0000;
  static const int COR_MARROM = 0x00008787;
  static const int COR_BRANCO = 0x00FFFFFF;
  static const int COR_PRETO = 0x00000000;

  CVRMWNDUtil() = default;
  ~CVRMWNDUtil() = default;
  CVRMWNDUtil(const CVRMWNDUtil&) = default;
  CVRMWNDUtil& operator=(const CVRMWNDUtil&) = default;

  // Dá à grade nLinhas registros mantendo o registro nRegistro (-1 nenhum) como
  // célula corrente, sob a ordenação e a linha de totais que a grade tiver. Um
  // registro que não cabe é trocado pelo registro corrente (mais de uma linha) ou
  // pelo 0. Janela que não é grade da suíte: nada.
  static void AtualizaGrid(CWnd* pGrid, int nLinhas, int nRegistro);
  // A linha mostrada (1 a quantidade de linhas) do registro; -1 quando nenhuma o
  // mostra ou a grade está vazia; 0 para uma janela que não é grade da suíte.
  static int GetRealLinhaNaGridEmOrdenacao(CWnd* pGrid, int nRegistro);

  // WM_NEXTDLGCTL ao diálogo com o controle (lParam 1): enviada quando bSincrono,
  // postada quando não. Devolve o resultado do envio (0) ou do post (1/0).
  static int SetFocusEspecial(HWND hDialogo, HWND hControle, bool bSincrono);
  static int SetFocusEspecial(HWND hDialogo, UINT nIdControle, bool bSincrono);
  static int SetFocusEspecial(CWnd* pDialogo, CWnd* pControle, bool bSincrono);

  // Mostra o primeiro item do resultado depois de escolher as pastas, as linhas das
  // grades e o foco; toda janela pode ser nula.
  static void MensagemGrid(const TQZCMConsisteRetorno* pRetorno, bool bPosiciona, CWnd* pAba1, int nPasta1,
                           CWnd* pDialogo, CWnd* pControle, CWnd* pGrid1, int nLinha1, CWnd* pAba2, int nPasta2,
                           CWnd* pGrid2, int nLinha2);

  // Mostra como relatório o log de transações do documento.
  static void LogTransacao(REG_QZDMC rDocumento, const CString& strEmpresa, const CString& strTexto2,
                           unsigned short nUsuario);

  // O framework da grade da suíte numa janela (CQZBrowserWnd ou CQZBrowserView), ou nulo.
  static CQZBrowserWnd* GetBrowse(CWnd* pGrid);
};
