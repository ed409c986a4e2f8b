// Biblioteca de mensagens da suíte: textos do catálogo de mensagens de cada módulo
// (arquivos de mensagens da instalação) mostrados em caixas de mensagem com o título
// do módulo, e a caixa de erro de servidor.
#pragma once

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/msgbox.h"
#include "vrmwnd/suite/exporta.h"

// O módulo é dado pela sigla ("CM"), pelo título ("Tarvo Compras") ou pelo número
// (1 a 30). Módulo desconhecido ou mensagem que o arquivo não tem dão o texto
// "Mensagem %lu do módulo %s não cadastrada." na caixa.
// Com as mensagens desligadas no processo (CQZInicializador::SetMostrarMensagens(false))
// nenhuma caixa é mostrada: QZMensagem, QZMensagem2 e QZMessageBoxEx devolvem o botão
// padrão do estilo (o que Enter apertaria: IDOK numa caixa OK, IDYES numa Sim/Não,
// IDNO numa Sim/Não com MB_DEFBUTTON2) e QZTrataErro2 não mostra nada. QZGetMensagem
// devolve o texto do mesmo jeito.

// O texto da mensagem, com as quebras de linha do arquivo; vazio quando não há.
VRMWND_SUITE_API CString QZGetMensagem(unsigned long nMensagem, const CString& strModulo, int nReservado = 0);
// Caixa com o texto, o título do módulo, OK e a exclamação, sem dono; devolve o botão.
VRMWND_SUITE_API int QZMensagem(unsigned long nMensagem, const CString& strModulo);
VRMWND_SUITE_API int QZMensagem(unsigned long nMensagem, int nModulo);
// O mesmo com dono e estilo (botões e ícone) dados.
VRMWND_SUITE_API int QZMensagem2(HWND hPai, unsigned long nMensagem, const CString& strModulo, UINT nEstilo);
// Caixa com texto e título dados; devolve o botão.
VRMWND_SUITE_API int QZMessageBoxEx(const CString& strTexto, const CString& strTitulo, UINT nEstilo, HWND hPai);
// Mostra uma falha de servidor: a descrição do resultado, o local e a fonte, a
// empresa, o arquivo fonte e a linha, a compilação e o arquivo do módulo, numa caixa
// "Erro" com o ícone de erro. bReservado e pReservado são da suíte (false e nulo).
VRMWND_SUITE_API void QZTrataErro2(LONGLONG llResultado, LONG lLocal, LONG lFonte, const CString& strEmpresa,
                                   const CString& strArquivoFonte, int nLinha, const CString& strCompilacao,
                                   bool bReservado, void* pReservado, const CString& strArquivoModulo);
